#pragma once

#include <QCoreApplication>
#include <QString>

// The words that name the kind of animal this build is for. The constants are
// the German forms; the functions below give the words as shown in the current
// language. Sentences write the word in, rather than gluing these pieces.
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

// Translated each time: the language can change per printout.
inline QString singular()
{
    return QCoreApplication::translate("SpeciesWords", "Kanarienvogel");
}
inline QString plural()
{
    return QCoreApplication::translate("SpeciesWords", "Kanarienvögel");
}
inline QString stockList()
{
    return QCoreApplication::translate("SpeciesWords", "Kanarienvögelbestandsliste");
}
inline QString title()
{
    return QCoreApplication::translate("SpeciesWords", "Avelor Abstammungsnachweis für Kanarienvögel");
}
inline QString maleLabel()
{
    return QCoreApplication::translate("SpeciesWords", "Vogel (m) 1.0");
}
inline QString femaleLabel()
{
    return QCoreApplication::translate("SpeciesWords", "Vogel (w) 0.1");
}
inline QString cageWord()
{
    return QCoreApplication::translate("SpeciesWords", "Hecke");
}
inline QString maleSex()
{
    return QCoreApplication::translate("SpeciesWords", "Hahn (m)");
}
inline QString femaleSex()
{
    return QCoreApplication::translate("SpeciesWords", "Henne (w)");
}

} // namespace SpeciesWords
