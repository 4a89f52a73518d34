#include "core/stock/AnimalEntry.h"

#include "core/model/TextRules.h"
#include "core/stock/AnimalQueries.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// More animals than any breeder rings in a lifetime; keeps a typing slip from filling the memory.
constexpr qint64 kMaxRangeSize = 100000;

// The checks both ways of entering share, after the ring number's own.
QString checkSharedFields(const AnimalInput& input)
{
    if (!input.sex)
        return QCoreApplication::translate("AnimalEntry", "Bitte das Geschlecht angeben.");
    if (input.year.isEmpty())
        return QCoreApplication::translate("AnimalEntry", "Bitte das Geburtsjahr angeben.");
    if (input.breeder.isEmpty())
        return QCoreApplication::translate("AnimalEntry", "Bitte den Züchter angeben.");
    if (input.markings.isEmpty())
        return QCoreApplication::translate("AnimalEntry",
                                           "Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt).");
    if (input.colour.isEmpty())
        return QCoreApplication::translate("AnimalEntry", "Bitte die Farbe angeben.");
    if (!toInt32(input.year))
        return notAnIntegerMessage(input.year);
    return {};
}

QSet<QString> activeRingsUpperCased(const AnimalTable& animals)
{
    QSet<QString> rings;
    rings.reserve(qsizetype(animals.size()));
    for (const Animal& a : animals) {
        if (a.active != 0)
            rings.insert(upperAscii(a.ringNumber));
    }
    return rings;
}

} // namespace

QString checkNewAnimal(const AnimalTable& animals, const AnimalInput& input)
{
    if (activeRingExists(animals, input.ring)) {
        return QCoreApplication::translate("AnimalEntry", "ACHTUNG:\n\r\n\rDie Ringnr %1 ist bereits angelegt.")
            .arg(upperAscii(input.ring));
    }
    if (input.ring.isEmpty())
        return QCoreApplication::translate("AnimalEntry", "Bitte die Ringnummer angeben.");
    return checkSharedFields(input);
}

void copyEnteredFields(const AnimalInput& input, Animal& a)
{
    a.birthYear = toInt32(input.year).value_or(0);
    a.breeder = cutTo(input.breeder, kAnimalTextLength);
    a.colour = cutTo(input.colour, kAnimalTextLength);
    a.markings = cutTo(input.markings, kAnimalTextLength);
    a.breed = cutTo(input.breed, kAnimalTextLength);
    a.remarks = input.remarks;
    a.listRemarks = input.listRemarks;
}

Animal makeNewAnimal(const AnimalInput& input, const QString& ring)
{
    Animal a;
    a.ringNumber = cutTo(upperAscii(ring), kRingLength);
    a.sex = input.sex.value_or(Sex::Unknown);
    copyEnteredFields(input, a);
    a.active = 1;
    a.sold = 0;
    return a;
}

RangePlan planRingRange(const AnimalTable& animals, const RingRange& range, const AnimalInput& input)
{
    if (range.prefix.isEmpty())
        return {QCoreApplication::translate("AnimalEntry", "\"Anfang der Ringnummer\" darf nicht leer sein."), {}};
    if (!isNumeric(range.from))
        return {QCoreApplication::translate("AnimalEntry", "Von-Feld darf nur Zahlen enthalten."), {}};
    if (!isNumeric(range.to))
        return {QCoreApplication::translate("AnimalEntry", "Bis-Feld darf nur Zahlen enthalten."), {}};
    const auto from = toInt32(range.from);
    if (!from)
        return {notAnIntegerMessage(range.from), {}};
    const auto to = toInt32(range.to);
    if (!to)
        return {notAnIntegerMessage(range.to), {}};
    if (*from >= *to)
        return {QCoreApplication::translate("AnimalEntry", "Von-Feld muß kleiner als das Bis-Feld sein."), {}};
    if (range.from.size() != range.to.size())
        return {QCoreApplication::translate("AnimalEntry", "Bitte die führenden Nullen eintragen."), {}};
    if (qint64(*to) - *from >= kMaxRangeSize) {
        return {QCoreApplication::translate("AnimalEntry", "Ein Bereich darf höchstens %1 Ringnummern umfassen.")
                    .arg(kMaxRangeSize),
                {}};
    }

    // A hash of the stock's rings, not a scan per candidate. Candidates are
    // compared as they will be stored (cut to 20), so no range can create a
    // ring that exists or the same ring twice.
    const QSet<QString> existing = activeRingsUpperCased(animals);
    const QString prefix = upperAscii(range.prefix);
    QSet<QString> planned;
    RangePlan plan;
    plan.rings.reserve(qsizetype(*to) - *from + 1);
    for (qint64 n = *from; n <= *to; ++n) {
        const QString digits = QString::number(n);
        const QString ring
            = cutTo(prefix + QString(qMax<qsizetype>(0, range.to.size() - digits.size()), QLatin1Char('0')) + digits,
                    kRingLength);
        if (existing.contains(ring)) {
            return {QCoreApplication::translate("AnimalEntry",
                                                "Achtung! Es gibt schon (mindestens eine) der zu "
                                                "generierenden Kanarienvögel. Abbruch!"),
                    {}};
        }
        if (planned.contains(ring)) {
            return {QCoreApplication::translate(
                        "AnimalEntry",
                        "Die Ringnummern wären länger als 20 Zeichen und nach dem Kürzen nicht mehr "
                        "eindeutig (zum Beispiel %1). Bitte den Anfang der Ringnummer kürzen.")
                        .arg(ring),
                    {}};
        }
        planned.insert(ring);
        plan.rings.append(ring);
    }
    if (const QString refused = checkSharedFields(input); !refused.isEmpty())
        return {refused, {}};
    return plan;
}
