#pragma once

#include <QString>

// The words that name the kind of animal this build is for. Captions and
// messages are plain concatenations of fixed pieces and these words.
namespace SpeciesWords {

inline const QString Singular = QStringLiteral("Kanarienvogel");
inline const QString Genitive = QStringLiteral("des Kanarienvogels");
inline const QString Accusative = QStringLiteral("den Kanarienvogel");
inline const QString Plural = QStringLiteral("Kanarienvögel");
// The list of all of them, as the program writes it.
inline const QString StockList = QStringLiteral("Kanarienvögelbestandsliste");
inline const QString Title = QStringLiteral("Avelor Abstammungsnachweis für Kanarienvögel");
inline const QString WebPage = QStringLiteral("avelor.example.org");
// The web page as a link opens it.
inline const QString WebAddress = QStringLiteral("https://") + WebPage;
inline const QString MaleLabel = QStringLiteral("Vogel (m) 1.0");
inline const QString FemaleLabel = QStringLiteral("Vogel (w) 0.1");
inline const QString CageWord = QStringLiteral("Hecke");
// The sex of one animal as the record sheet prints it.
inline const QString MaleSex = QStringLiteral("Hahn (m)");
inline const QString FemaleSex = QStringLiteral("Henne (w)");

} // namespace SpeciesWords
