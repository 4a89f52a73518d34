// The stock document's changes of breeding pairs, their clutches and young.
#include "core/stock/StockDocument.h"

#include "core/records/RecordsDatabase.h"

#include <algorithm>
#include <stdexcept>

BreedingPair& StockDocument::pairAt(int pair)
{
    if (pair < 0 || size_t(pair) >= m_db.pairs.size())
        throw std::out_of_range(tr("Dieses Zuchtpaar gibt es nicht mehr.").toStdString());
    return m_db.pairs[size_t(pair)];
}

Clutch& StockDocument::clutchAt(int pair, int clutch)
{
    auto& clutches = pairAt(pair).clutches;
    if (clutch < 0 || size_t(clutch) >= clutches.size())
        throw std::out_of_range(tr("Dieses Gelege gibt es nicht mehr.").toStdString());
    return clutches[size_t(clutch)];
}

void StockDocument::addPair(BreedingPair pair)
{
    StockChange change(tr("Zuchtpaar %1 × %2 angelegt").arg(pair.cockRing, pair.henRing));
    change.keepPairs(m_db.pairs);
    m_db.pairs.push_back(std::move(pair));
    record(std::move(change), Pairs);
}

void StockDocument::changePair(int pair, const BreedingPair& values)
{
    BreedingPair& p = pairAt(pair);
    if (p.cockRing == values.cockRing && p.henRing == values.henRing && p.cageNumber == values.cageNumber
        && p.breedingStart == values.breedingStart)
        return;
    StockChange change(tr("Zuchtpaar %1 × %2 geändert").arg(values.cockRing, values.henRing));
    change.keepPairs(m_db.pairs);
    p.cockRing = values.cockRing;
    p.henRing = values.henRing;
    p.cageNumber = values.cageNumber;
    p.breedingStart = values.breedingStart;
    record(std::move(change), Pairs);
}

void StockDocument::removePair(int pair)
{
    const BreedingPair& p = pairAt(pair);
    StockChange change(tr("Zuchtpaar %1 × %2 gelöscht").arg(p.cockRing, p.henRing));
    change.keepPairs(m_db.pairs);
    m_db.pairs.erase(m_db.pairs.begin() + pair);
    record(std::move(change), Pairs);
}

void StockDocument::addClutch(int pair)
{
    pairAt(pair);
    StockChange change(tr("Gelege angelegt"));
    change.keepPairs(m_db.pairs);
    pairAt(pair).clutches.emplace_back();
    record(std::move(change), Pairs);
}

void StockDocument::setClutch(int pair, int clutch, Clutch values)
{
    if (clutchAt(pair, clutch) == values)
        return;
    StockChange change(tr("Gelege geändert"));
    change.keepPairs(m_db.pairs);
    clutchAt(pair, clutch) = std::move(values);
    record(std::move(change), Pairs);
}

void StockDocument::removeClutch(int pair, int clutch)
{
    clutchAt(pair, clutch);
    StockChange change(tr("Gelege gelöscht"));
    change.keepPairs(m_db.pairs);
    auto& clutches = pairAt(pair).clutches;
    clutches.erase(clutches.begin() + clutch);
    record(std::move(change), Pairs);
}

Youngster& StockDocument::youngAt(int pair, int clutch, int egg)
{
    auto& eggs = clutchAt(pair, clutch).young;
    if (egg < 0 || size_t(egg) >= eggs.size())
        throw std::out_of_range(tr("Dieses Ei gibt es nicht mehr.").toStdString());
    return eggs[size_t(egg)];
}

void StockDocument::ringYoung(int pair, int clutch, int egg, Animal animal, const Youngster& young)
{
    youngAt(pair, clutch, egg);
    StockChange change(tr("Jungvogel %1 beringt").arg(young.ring));
    change.keepAppended(m_db.animals);
    change.keepPairs(m_db.pairs);
    m_db.animals.push_back(std::move(animal));
    youngAt(pair, clutch, egg) = young;
    record(std::move(change), Animals | Pairs);
}

QString StockDocument::clearYoung(int pair, int clutch, int egg, QStringList* removed)
{
    const Youngster& y = youngAt(pair, clutch, egg);
    const QString ring = y.ring;
    const bool taken = !ring.isEmpty()
        && std::any_of(m_db.animals.begin(), m_db.animals.end(), [&](const Animal& a) { return a.ringNumber == ring; });
    if (y == Youngster() && !taken)
        return {};
    StockChange change(ring.isEmpty() ? tr("Angaben zum Ei gelöscht") : tr("Jungvogel %1 entfernt").arg(ring));
    change.keepPairs(m_db.pairs);
    change.keepRecords(*m_records, ring);
    change.keepAnimalsWhere(m_db.animals, [&](const Animal& a) { return taken && a.ringNumber == ring; });
    Changes what = taken ? Animals | ParentLinks | Pairs : Changes(Pairs);
    // Else the data check would name them; a refusal leaves the egg and its bird as they were.
    if (taken && m_records->hasRecords(ring)) {
        if (QString failure = m_records->removeRing(ring); !failure.isEmpty())
            return failure;
        what |= Records;
    }
    for (Animal& a : m_db.animals) {
        if (!taken || a.ringNumber != ring)
            continue;
        a.active = 0;
        a.fatherRing.clear();
        a.motherRing.clear();
        if (removed)
            *removed << a.ringNumber;
    }
    youngAt(pair, clutch, egg) = {};
    record(std::move(change), what);
    return {};
}
