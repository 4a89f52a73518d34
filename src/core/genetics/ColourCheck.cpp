#include "core/genetics/ColourCheck.h"

#include "core/genetics/PedigreeReading.h"

#include <QCoreApplication>

namespace {

QString quoted(const QString& ring)
{
    return QStringLiteral("„") + ring + QStringLiteral("“");
}

struct Family
{
    PedigreeReading& reading;
    const AnimalTable& animals;
    qsizetype young;

    const Animal& animal(qsizetype a) const { return animals[size_t(a)]; }
    QString ring(qsizetype a) const { return quoted(animal(a).ringNumber); }
    bool daughter() const { return animal(young).sex == Sex::Female; }
    bool absent(qsizetype a, int factor) const { return reading.entered(a, factor) == FactorState::Absent; }
};

// %1 the young, %2 the factor, %3 the parent: whole sentences for each parent of a son or daughter.
QString parentFreeFinding(bool father, bool daughter)
{
    if (father) {
        return daughter ? QCoreApplication::translate("ColourCheck",
                                                      "%1 zeigt %2, aber ihr Vater %3 ist als frei von %2 eingetragen.")
                        : QCoreApplication::translate(
                            "ColourCheck", "%1 zeigt %2, aber sein Vater %3 ist als frei von %2 eingetragen.");
    }
    return daughter ? QCoreApplication::translate("ColourCheck",
                                                  "%1 zeigt %2, aber ihre Mutter %3 ist als frei von %2 eingetragen.")
                    : QCoreApplication::translate("ColourCheck",
                                                  "%1 zeigt %2, aber seine Mutter %3 ist als frei von %2 eingetragen.");
}

QString youngFreeFinding(bool father, bool daughter)
{
    if (father) {
        return daughter ? QCoreApplication::translate("ColourCheck",
                                                      "%1 ist als frei von %2 eingetragen, aber ihr Vater %3 zeigt %2.")
                        : QCoreApplication::translate(
                            "ColourCheck", "%1 ist als frei von %2 eingetragen, aber sein Vater %3 zeigt %2.");
    }
    return daughter ? QCoreApplication::translate("ColourCheck",
                                                  "%1 ist als frei von %2 eingetragen, aber ihre Mutter %3 zeigt %2.")
                    : QCoreApplication::translate("ColourCheck",
                                                  "%1 ist als frei von %2 eingetragen, aber seine Mutter %3 zeigt %2.");
}

void checkEntries(const Family& f, QStringList& findings)
{
    AnimalFactors entered = AnimalFactors::none(f.reading.table(), f.animal(f.young).sex != Sex::Female);
    bool any = false;
    for (int factor = 0; factor < int(f.reading.table().factors().size()); ++factor) {
        entered.states[size_t(factor)] = f.reading.entered(f.young, factor);
        any = any || entered.states[size_t(factor)] != FactorState::Unknown;
    }
    QString problem;
    if (any && !genesOf(f.reading.table(), entered, problem))
        findings << QCoreApplication::translate("ColourCheck", "Die Erbanlagen von %1 widersprechen sich: %2")
                        .arg(f.ring(f.young), problem);
}

void checkAgainstParents(const Family& f, int factor, QStringList& findings)
{
    const ColourLocus& locus = f.reading.table().locusOf(factor);
    const QString name = f.reading.table().factor(factor).shownName();
    const bool son = f.animal(f.young).sex == Sex::Male;
    const bool shows = f.reading.shows(f.young, factor);
    const qsizetype father = f.reading.parentOf(f.young, true);
    const qsizetype mother = f.reading.parentOf(f.young, false);
    if (locus.dominant()) {
        if (shows && father >= 0 && mother >= 0 && f.absent(father, factor) && f.absent(mother, factor))
            findings << QCoreApplication::translate(
                            "ColourCheck", "%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.")
                            .arg(f.ring(f.young), name, f.ring(father), f.ring(mother));
        return;
    }
    for (const bool isFather : {true, false}) {
        const qsizetype parent = isFather ? father : mother;
        if (parent < 0)
            continue;
        // A sex-linked factor comes to a daughter from her father only.
        const bool passesOn = isFather || !locus.sexLinked() || son;
        if (shows && passesOn && f.absent(parent, factor))
            findings << parentFreeFinding(isFather, f.daughter()).arg(f.ring(f.young), name, f.ring(parent));
        if (passesOn && f.absent(f.young, factor) && f.reading.shows(parent, factor))
            findings << youngFreeFinding(isFather, f.daughter()).arg(f.ring(f.young), name, f.ring(parent));
    }
}

} // namespace

QStringList checkColourFactors(PedigreeReading& reading)
{
    QStringList findings;
    const AnimalTable& animals = reading.animals();
    for (qsizetype a = 0; a < qsizetype(animals.size()); ++a) {
        if (!animals[size_t(a)].isActive())
            continue;
        // Only what was entered can contradict: a bird without entries whose parents have none is skipped.
        if (!reading.hasEntries(a) && !reading.hasEntries(reading.parentOf(a, true))
            && !reading.hasEntries(reading.parentOf(a, false)))
            continue;
        const Family family {reading, animals, a};
        checkEntries(family, findings);
        for (int factor = 0; factor < int(reading.table().factors().size()); ++factor)
            if (reading.table().locusOf(factor).simple())
                checkAgainstParents(family, factor, findings);
    }
    return findings;
}
