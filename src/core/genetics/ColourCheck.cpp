#include "core/genetics/ColourCheck.h"

#include "core/genetics/PedigreeReading.h"

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
    // "sein Vater", "ihre Mutter", ...: the young's parent as the finding names it.
    QString parent(bool father) const
    {
        const bool daughter = animal(young).sex == Sex::Female;
        if (father)
            return daughter ? QStringLiteral("ihr Vater") : QStringLiteral("sein Vater");
        return daughter ? QStringLiteral("ihre Mutter") : QStringLiteral("seine Mutter");
    }
    bool absent(qsizetype a, int factor) const { return reading.entered(a, factor) == FactorState::Absent; }
};

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
        findings << QStringLiteral("Die Erbanlagen von %1 widersprechen sich: %2").arg(f.ring(f.young), problem);
}

void checkAgainstParents(const Family& f, int factor, QStringList& findings)
{
    const ColourLocus& locus = f.reading.table().locusOf(factor);
    const QString name = f.reading.table().factor(factor).name;
    const bool son = f.animal(f.young).sex == Sex::Male;
    const bool shows = f.reading.shows(f.young, factor);
    const qsizetype father = f.reading.parentOf(f.young, true);
    const qsizetype mother = f.reading.parentOf(f.young, false);
    if (locus.dominant()) {
        if (shows && father >= 0 && mother >= 0 && f.absent(father, factor) && f.absent(mother, factor))
            findings << QStringLiteral("%1 zeigt %2, aber Vater %3 und Mutter %4 sind als frei davon eingetragen.")
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
            findings << QStringLiteral("%1 zeigt %2, aber %3 %4 ist als frei von %2 eingetragen.")
                            .arg(f.ring(f.young), name, f.parent(isFather), f.ring(parent));
        if (passesOn && f.absent(f.young, factor) && f.reading.shows(parent, factor))
            findings << QStringLiteral("%1 ist als frei von %2 eingetragen, aber %3 %4 zeigt %2.")
                            .arg(f.ring(f.young), name, f.parent(isFather), f.ring(parent));
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
