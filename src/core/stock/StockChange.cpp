#include "core/stock/StockChange.h"

#include "core/pictures/PictureStore.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockSort.h"

#include <algorithm>

namespace {

size_t textBytes(const QString& text)
{
    return size_t(text.capacity()) * sizeof(QChar);
}

// Rough, but of the right size: the history is bounded by it.
size_t animalBytes(const Animal& a)
{
    size_t bytes = sizeof(Animal);
    for (const QString* text : {&a.ringNumber, &a.breeder, &a.colour, &a.breed, &a.markings, &a.remarks, &a.listRemarks,
                                &a.fatherRing, &a.motherRing})
        bytes += textBytes(*text);
    return bytes;
}

size_t recordBytes(const AnimalRecordSet& set)
{
    size_t bytes = sizeof(AnimalRecordSet) + textBytes(set.ring);
    if (set.whereabouts)
        bytes += sizeof(Whereabouts) + textBytes(set.whereabouts->buyerAddress) + textBytes(set.whereabouts->note);
    bytes += set.showResults.size() * (sizeof(ShowResult) + 64);
    bytes += set.factors.size() * 64;
    for (const LocationMove& move : set.moves)
        bytes += sizeof(LocationMove) + textBytes(move.location);
    for (const ShowEntry& entry : set.entries)
        bytes += sizeof(ShowEntry) + textBytes(entry.showClass) + textBytes(entry.award);
    return bytes;
}

} // namespace

StockChange::StockChange(QString text, quint32 touched) : m_text(std::move(text)), m_touched(touched) { }

bool StockChange::empty() const
{
    return m_animals.empty() && !m_appends && !m_order && !m_pairs && !m_breeder && !m_print && m_recordsBefore.empty()
        && m_pictures.empty() && !m_deliveriesBefore && !m_showsBefore && !m_outside;
}

void StockChange::keepAnimal(const AnimalTable& animals, size_t position)
{
    if (m_keptPositions.insert(position).second)
        m_animals.emplace_back(position, animals[position]);
}

void StockChange::keepAnimalsWhere(const AnimalTable& animals, const std::function<bool(const Animal&)>& reached)
{
    for (size_t i = 0; i < animals.size(); ++i) {
        if (reached(animals[i]))
            keepAnimal(animals, i);
    }
}

void StockChange::keepAppended(const AnimalTable& animals)
{
    m_appends = true;
    m_appendedFrom = animals.size();
}

void StockChange::sortAndKeep(AnimalTable& animals, std::vector<quint32> order)
{
    m_order = std::move(order);
    reorderStock(animals, *m_order, m_dropped);
    measure();
}

void StockChange::keepPairs(const PairTable& pairs)
{
    m_pairs = pairs;
}

void StockChange::keepBreeder(const BreederData& breeder)
{
    m_breeder = breeder;
}

void StockChange::keepPrint(const PrintSettings& print)
{
    m_print = print;
}

void StockChange::keepRecords(const RecordsDatabase& records, const QString& ring)
{
    if (!m_keptRings.contains(ring)) {
        m_keptRings.insert(ring);
        m_recordsBefore.push_back(records.recordsOf(ring));
    }
}

void StockChange::keepPicture(const PictureStore& pictures, const QString& ring)
{
    for (const PictureState& kept : m_pictures) {
        if (kept.ring == ring)
            return;
    }
    std::optional<QByteArray> bytes = pictures.bytesOf(ring);
    // A picture that is there but cannot be read is left alone by an undo rather than removed.
    if (bytes || !pictures.exists(ring))
        m_pictures.push_back({ring, std::move(bytes), std::nullopt});
}

void StockChange::keepRingDeliveries(const RecordsDatabase& records)
{
    if (!m_deliveriesBefore)
        m_deliveriesBefore = records.ringDeliveries();
}

void StockChange::keepShows(const RecordsDatabase& records)
{
    if (!m_showsBefore)
        m_showsBefore = ShowsState {records.showEvents(), records.allEntries()};
}

void StockChange::keepOutside(std::function<void(bool toBefore)> swap)
{
    m_outside = std::move(swap);
}

bool StockChange::settle(const StockStores& stores)
{
    const AnimalTable& animals = stores.db.animals;
    m_keptPositions = {};
    m_keptRings = {};
    std::erase_if(m_animals, [&](const auto& slot) { return animals[slot.first] == slot.second; });
    if (m_appends && animals.size() == m_appendedFrom)
        m_appends = false;
    if (m_appends) {
        for (size_t i = m_appendedFrom; i < animals.size(); ++i)
            m_appendedBytes += animalBytes(animals[i]);
    }
    if (m_pairs && *m_pairs == stores.db.pairs)
        m_pairs.reset();
    if (m_breeder && *m_breeder == stores.db.breeder)
        m_breeder.reset();
    if (m_print && *m_print == stores.db.print)
        m_print.reset();

    std::vector<AnimalRecordSet> before;
    for (AnimalRecordSet& set : m_recordsBefore) {
        AnimalRecordSet now = stores.records.recordsOf(set.ring);
        if (now == set)
            continue;
        before.push_back(std::move(set));
        m_recordsAfter.push_back(std::move(now));
    }
    m_recordsBefore = std::move(before);

    if (m_deliveriesBefore) {
        m_deliveriesAfter = stores.records.ringDeliveries();
        if (m_deliveriesAfter == *m_deliveriesBefore)
            m_deliveriesBefore.reset();
    }
    if (m_showsBefore) {
        m_showsAfter = {stores.records.showEvents(), stores.records.allEntries()};
        if (m_showsAfter == *m_showsBefore)
            m_showsBefore.reset();
    }
    for (PictureState& picture : m_pictures)
        picture.after = stores.pictures.bytesOf(picture.ring);
    std::erase_if(m_pictures, [](const PictureState& picture) { return picture.before == picture.after; });
    measure();
    return !empty();
}

void StockChange::measure()
{
    size_t bytes = sizeof(StockChange) + textBytes(m_text);
    for (const auto& slot : m_animals)
        bytes += sizeof(slot) + animalBytes(slot.second);
    bytes += m_appendedBytes;
    if (m_order)
        bytes += m_order->size() * sizeof(quint32);
    for (const auto& [position, animal] : m_dropped)
        bytes += sizeof(position) + animalBytes(animal);
    if (m_pairs)
        bytes += m_pairs->size() * (sizeof(BreedingPair) + 4 * sizeof(Clutch) + 24 * sizeof(Youngster));
    for (const AnimalRecordSet& set : m_recordsBefore)
        bytes += recordBytes(set);
    for (const AnimalRecordSet& set : m_recordsAfter)
        bytes += recordBytes(set);
    if (m_deliveriesBefore)
        bytes += (m_deliveriesBefore->size() + m_deliveriesAfter.size()) * (sizeof(RingDelivery) + 64);
    if (m_showsBefore) {
        for (const ShowsState* shows : {&*m_showsBefore, &m_showsAfter})
            bytes += shows->shows.size() * (sizeof(ShowEvent) + 128) + shows->entries.size() * (sizeof(ShowEntry) + 64);
    }
    for (const PictureState& picture : m_pictures)
        bytes += size_t(picture.before.value_or(QByteArray()).size() + picture.after.value_or(QByteArray()).size());
    m_memory = bytes;
}

QString StockChange::restoreOutside(const StockStores& stores, bool toBefore)
{
    // Each part to the wanted side; when one fails, those already done go back, so all or none.
    // The shows go first: a bird's entries belong to one.
    std::vector<std::function<QString(bool)>> parts;
    if (m_showsBefore) {
        parts.push_back([&](bool before) {
            const ShowsState& shows = before ? *m_showsBefore : m_showsAfter;
            return stores.records.replaceShowEvents(shows.shows, shows.entries);
        });
    }
    if (!m_recordsBefore.empty())
        parts.push_back([&](bool before) { return stores.records.restore(before ? m_recordsBefore : m_recordsAfter); });
    for (const PictureState& picture : m_pictures) {
        parts.push_back(
            [&](bool before) { return stores.pictures.put(picture.ring, before ? picture.before : picture.after); });
    }
    if (m_deliveriesBefore) {
        parts.push_back([&](bool before) {
            return stores.records.replaceRingDeliveries(before ? *m_deliveriesBefore : m_deliveriesAfter);
        });
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (QString failure = parts[i](toBefore); !failure.isEmpty()) {
            for (size_t k = i; k-- > 0;)
                parts[k](!toBefore);
            return failure;
        }
    }
    if (m_outside)
        m_outside(toBefore);
    return {};
}

void StockChange::swapInMemory(StockData& db, bool toBefore)
{
    AnimalTable& animals = db.animals;
    if (toBefore) {
        for (auto& [position, animal] : m_animals)
            std::swap(animals[position], animal);
        if (m_appends) {
            m_appended.assign(std::make_move_iterator(animals.begin() + qsizetype(m_appendedFrom)),
                              std::make_move_iterator(animals.end()));
            animals.resize(m_appendedFrom);
        }
        if (m_order)
            restoreStockOrder(animals, *m_order, m_dropped);
    } else {
        if (m_order)
            reorderStock(animals, *m_order, m_dropped);
        if (m_appends) {
            animals.insert(animals.end(), std::make_move_iterator(m_appended.begin()),
                           std::make_move_iterator(m_appended.end()));
            m_appended.clear();
        }
        for (auto& [position, animal] : m_animals)
            std::swap(animals[position], animal);
    }
    if (m_pairs)
        std::swap(db.pairs, *m_pairs);
    if (m_breeder)
        std::swap(db.breeder, *m_breeder);
    if (m_print)
        std::swap(db.print, *m_print);
}

AnimalsReached StockChange::animalsReached() const
{
    AnimalsReached reached;
    if (m_order) {
        reached.all = true;
        return reached;
    }
    reached.positions.reserve(m_animals.size());
    for (const auto& slot : m_animals)
        reached.positions.push_back(slot.first);
    if (m_appends)
        reached.from = m_appendedFrom;
    return reached;
}

QString StockChange::revert(const StockStores& stores)
{
    if (QString failure = restoreOutside(stores, true); !failure.isEmpty())
        return failure;
    swapInMemory(stores.db, true);
    return {};
}

QString StockChange::apply(const StockStores& stores)
{
    if (QString failure = restoreOutside(stores, false); !failure.isEmpty())
        return failure;
    swapInMemory(stores.db, false);
    return {};
}
