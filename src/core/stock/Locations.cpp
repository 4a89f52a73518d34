#include "core/stock/Locations.h"

#include "core/model/Dates.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>

QString cageLocation(qint32 cage)
{
    //: A breeding pair's cage as the place its birds sit in: the cage word and its number.
    return QCoreApplication::translate("Locations", "%1 %2").arg(SpeciesWords::cageWord()).arg(cage);
}

QStringList offeredLocations(const StockDocument& stock, const QString& ring)
{
    std::vector<const BreedingPair*> pairs;
    for (const BreedingPair& pair : stock.pairs()) {
        if (pair.cageNumber > 0 && !ring.isEmpty() && (pair.cockRing == ring || pair.henRing == ring))
            pairs.push_back(&pair);
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const BreedingPair* a, const BreedingPair* b) { return a->breedingStart > b->breedingStart; });
    QStringList offered;
    for (const BreedingPair* pair : pairs)
        offered << cageLocation(pair->cageNumber);
    offered << stock.records().locationsInUse();
    offered.removeDuplicates();
    return offered;
}

std::vector<LocatedBird> locatedBirds(const StockDocument& stock, const std::optional<QString>& only)
{
    QHash<QString, std::pair<QString, QDate>> placeOf;
    for (const LocationMove& move : stock.records().currentLocations())
        placeOf.insert(move.ring, {move.location, move.date});
    std::vector<LocatedBird> birds;
    const AnimalTable& animals = stock.animals();
    for (const qsizetype i : stock.alphabeticalRingOrder()) {
        const Animal& a = animals[size_t(i)];
        // One line per ring, for the last active animal with it, as every look-up finds.
        if (!a.isActive() || a.sold != 0 || stock.ringIndex().lastActiveWith(a.ringNumber) != i)
            continue;
        const auto place = placeOf.value(a.ringNumber);
        if (only && *only != place.first)
            continue;
        birds.push_back({i, place.first, place.second});
    }
    // Birds without a place keep their ring order at the end; only the placed ones are compared.
    const auto unplaced = std::stable_partition(birds.begin(), birds.end(),
                                                [](const LocatedBird& bird) { return !bird.location.isEmpty(); });
    QCollator places = QCollator(QLocale(QLocale::German));
    places.setNumericMode(true);
    places.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(birds.begin(), unplaced, [&](const LocatedBird& a, const LocatedBird& b) {
        return places.compare(a.location, b.location) < 0;
    });
    return birds;
}

QStringList locationListHeadings()
{
    return {
        QCoreApplication::translate("Locations", "Standort"),   QCoreApplication::translate("Locations", "seit"),
        QCoreApplication::translate("Locations", "Ringnummer"), QCoreApplication::translate("Locations", "Geschlecht"),
        QCoreApplication::translate("Locations", "Jahr"),       QCoreApplication::translate("Locations", "Farbe"),
        QCoreApplication::translate("Locations", "Rasse")};
}

std::vector<QStringList> locationListRows(const StockDocument& stock, const std::vector<LocatedBird>& birds)
{
    std::vector<QStringList> rows;
    rows.reserve(birds.size());
    for (const LocatedBird& bird : birds) {
        const Animal& a = stock.animals()[size_t(bird.animal)];
        rows.push_back({bird.location, Dates::local(bird.since), a.ringNumber, AnimalRecordWords::sexText(a.sex),
                        a.birthYear ? QString::number(a.birthYear) : QString(), a.colour, a.breed});
    }
    return rows;
}
