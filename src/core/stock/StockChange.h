#pragma once

#include "core/model/AnimalRecords.h"
#include "core/model/StockData.h"
#include "core/stock/OfferedValues.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

class PictureStore;
class RecordsDatabase;

// The stores one change of the breeder's data reaches.
struct StockStores
{
    StockData& db;
    RecordsDatabase& records;
    PictureStore& pictures;
};

// One change as it was made, able to take itself back and to be made again:
// the state before of everything the change reached (animals by position,
// the animals it appended, the order of a sort, the pairs, the breeder data,
// the print settings) and, for the records and pictures, the state before
// and after. The document keeps what a change will reach before it makes
// it, then settles: what stayed equal is dropped, and a change that changed
// nothing is not recorded at all.
class StockChange
{
public:
    StockChange() = default;
    explicit StockChange(QString text, quint32 touched = 0);

    const QString& text() const { return m_text; }
    // What the change reached, as the document's change flags.
    quint32 touched() const { return m_touched; }
    void addTouched(quint32 touched) { m_touched |= touched; }
    bool empty() const;
    // What the change holds in memory, roughly, in bytes.
    size_t memory() const { return m_memory; }

    // Before the change: what it may reach.
    void keepAnimal(const AnimalTable& animals, size_t position);
    void keepAnimalsWhere(const AnimalTable& animals, const std::function<bool(const Animal&)>& reached);
    void keepAppended(const AnimalTable& animals); // what is appended from the current end on
    // Sorts the table into the order (old positions, as stockSortOrder gives
    // them), keeping what takes the sort back.
    void sortAndKeep(AnimalTable& animals, std::vector<quint32> order);
    void keepPairs(const PairTable& pairs);
    void keepBreeder(const BreederData& breeder);
    void keepPrint(const PrintSettings& print);
    void keepRecords(const RecordsDatabase& records, const QString& ring);
    void keepPicture(const PictureStore& pictures, const QString& ring);
    void keepRingDeliveries(const RecordsDatabase& records);
    void keepShows(const RecordsDatabase& records); // every show with its entries
    // A change kept elsewhere (a setting): `swap` puts the state before or after in place.
    void keepOutside(std::function<void(bool toBefore)> swap);

    // After the change: drops what stayed as it was and reads the records and
    // pictures as they are now. False when nothing changed.
    bool settle(const StockStores& stores);

    // The animal positions the change reached (the same whether it was made, taken back or made again).
    AnimalsReached animalsReached() const;

    // Each returns an empty text or the German reason the change could not be
    // taken back (or made again); then nothing changed.
    QString revert(const StockStores& stores);
    QString apply(const StockStores& stores);

private:
    struct PictureState
    {
        QString ring;
        std::optional<QByteArray> before;
        std::optional<QByteArray> after;
    };
    // The records and pictures to one side, the rest swapped with what is stored now.
    QString restoreOutside(const StockStores& stores, bool toBefore);
    void swapInMemory(StockData& db, bool toBefore);
    void measure();

    QString m_text;
    quint32 m_touched = 0;
    std::vector<std::pair<size_t, Animal>> m_animals; // the other state of each position
    std::unordered_set<size_t> m_keptPositions; // while the change is made: a position is kept once
    size_t m_appendedFrom = 0;
    bool m_appends = false;
    AnimalTable m_appended; // held while the change is taken back
    size_t m_appendedBytes = 0;
    std::optional<std::vector<quint32>> m_order;
    std::vector<std::pair<quint32, Animal>> m_dropped; // by the sort, held while it stands
    std::optional<PairTable> m_pairs;
    std::optional<BreederData> m_breeder;
    std::optional<PrintSettings> m_print;
    std::vector<AnimalRecordSet> m_recordsBefore;
    QSet<QString> m_keptRings; // while the change is made: a ring's records are kept once
    std::vector<AnimalRecordSet> m_recordsAfter;
    std::vector<PictureState> m_pictures;
    std::optional<std::vector<RingDelivery>> m_deliveriesBefore;
    std::vector<RingDelivery> m_deliveriesAfter;
    struct ShowsState
    {
        std::vector<ShowEvent> shows;
        std::vector<ShowEntry> entries;
        bool operator==(const ShowsState&) const = default;
    };
    std::optional<ShowsState> m_showsBefore;
    ShowsState m_showsAfter;
    std::function<void(bool toBefore)> m_outside;
    size_t m_memory = 0;
};
