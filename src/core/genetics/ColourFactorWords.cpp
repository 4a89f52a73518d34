#include "core/genetics/FactorTable.h"

#include <QCoreApplication>

// The names in colour-factors.json that a breeder reads, for the translations:
// the table file stays German, the names are translated where they are shown.
// The tests keep this list complete.
const std::vector<const char*>& colourFactorWords()
{
    static const std::vector<const char*> words = {
        QT_TRANSLATE_NOOP("ColourFactors", "Braun (Eumelanin braun statt schwarz)"),
        QT_TRANSLATE_NOOP("ColourFactors", "geschlechtsgebunden rezessiv"),
        QT_TRANSLATE_NOOP("ColourFactors", "braun"),
        QT_TRANSLATE_NOOP("ColourFactors", "Braun"),
        QT_TRANSLATE_NOOP("ColourFactors", "Verdünnung (Achat, Satinet)"),
        QT_TRANSLATE_NOOP("ColourFactors", "achat"),
        QT_TRANSLATE_NOOP("ColourFactors", "Achat"),
        QT_TRANSLATE_NOOP("ColourFactors", "satinet"),
        QT_TRANSLATE_NOOP("ColourFactors", "Satinet"),
        QT_TRANSLATE_NOOP("ColourFactors", "Pastell (Grauflügel)"),
        QT_TRANSLATE_NOOP("ColourFactors", "pastell"),
        QT_TRANSLATE_NOOP("ColourFactors", "Pastell"),
        QT_TRANSLATE_NOOP("ColourFactors", "grauflügel"),
        QT_TRANSLATE_NOOP("ColourFactors", "Grauflügel"),
        QT_TRANSLATE_NOOP("ColourFactors", "Elfenbein"),
        QT_TRANSLATE_NOOP("ColourFactors", "elfenbein"),
        QT_TRANSLATE_NOOP("ColourFactors", "rezessiv Weiß"),
        QT_TRANSLATE_NOOP("ColourFactors", "autosomal rezessiv"),
        QT_TRANSLATE_NOOP("ColourFactors", "rezessiv weiß"),
        QT_TRANSLATE_NOOP("ColourFactors", "Opal und Onyx"),
        QT_TRANSLATE_NOOP("ColourFactors", "opal"),
        QT_TRANSLATE_NOOP("ColourFactors", "Opal"),
        QT_TRANSLATE_NOOP("ColourFactors", "onyx"),
        QT_TRANSLATE_NOOP("ColourFactors", "Onyx"),
        QT_TRANSLATE_NOOP("ColourFactors", "Phaeo"),
        QT_TRANSLATE_NOOP("ColourFactors", "phaeo"),
        QT_TRANSLATE_NOOP("ColourFactors", "Topas"),
        QT_TRANSLATE_NOOP("ColourFactors", "topas"),
        QT_TRANSLATE_NOOP("ColourFactors", "Eumo"),
        QT_TRANSLATE_NOOP("ColourFactors", "eumo"),
        QT_TRANSLATE_NOOP("ColourFactors", "Kobalt"),
        QT_TRANSLATE_NOOP("ColourFactors", "kobalt"),
        QT_TRANSLATE_NOOP("ColourFactors", "dominant Weiß"),
        QT_TRANSLATE_NOOP("ColourFactors", "autosomal dominant"),
        QT_TRANSLATE_NOOP("ColourFactors", "dominant weiß"),
        QT_TRANSLATE_NOOP("ColourFactors", "Haube"),
        QT_TRANSLATE_NOOP("ColourFactors", "haube"),
        QT_TRANSLATE_NOOP("ColourFactors", "Intensiv"),
        QT_TRANSLATE_NOOP("ColourFactors", "intensiv"),
        QT_TRANSLATE_NOOP("ColourFactors", "Jaspis (Jaspe)"),
        QT_TRANSLATE_NOOP("ColourFactors", "autosomal unvollständig dominant"),
        QT_TRANSLATE_NOOP("ColourFactors", "jaspis"),
        QT_TRANSLATE_NOOP("ColourFactors", "Jaspis"),
        QT_TRANSLATE_NOOP("ColourFactors", "Rotgrund"),
        QT_TRANSLATE_NOOP("ColourFactors", "kein einfacher Erbgang"),
        QT_TRANSLATE_NOOP("ColourFactors", "rotgrund"),
        QT_TRANSLATE_NOOP("ColourFactors", "Mosaik"),
        QT_TRANSLATE_NOOP("ColourFactors", "mosaik"),
        QT_TRANSLATE_NOOP("ColourFactors", "Schwarz"),
        QT_TRANSLATE_NOOP("ColourFactors", "Isabell"),
        QT_TRANSLATE_NOOP("ColourFactors", "Achat-Satinet"),
        QT_TRANSLATE_NOOP("ColourFactors", "Isabell-Satinet"),
    };
    return words;
}

QString shownColourFactorWord(const QString& german)
{
    return QCoreApplication::translate("ColourFactors", german.toUtf8().constData());
}
