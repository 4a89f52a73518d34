#pragma once

#include "core/files/DataFiles.h"
#include "core/files/EncodedStock.h"
#include "core/model/StockData.h"
#include "core/pictures/PictureStore.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/AnimalChange.h"
#include "core/stock/CandidateRings.h"
#include "core/stock/OfferedValues.h"
#include "core/stock/UndoHistory.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <typeindex>
#include <unordered_map>

class DescendantsFinder;
class RingIndex;

// The breeder's data for the whole run, and the only place that changes it:
// the records, the pictures and the listed marks the file keeps. After every
// change it signals what changed; a call that changes nothing signals
// nothing. Windows listen and refresh, and the indexes over the stock are
// dropped, to be built again on next use. Every change the breeder makes is
// kept in the undo history, to be taken back and made again; a restore and
// a wipe, which keep a copy of their own, empty it.
class StockDocument : public QObject
{
    Q_OBJECT

public:
    enum Change
    {
        Animals = 0x01, // added, edited or deleted: rings and lists may differ
        AnimalOrder = 0x02, // the table re-sorted; deleted records dropped
        ParentLinks = 0x04,
        Pairs = 0x08,
        Breeder = 0x10,
        Print = 0x20,
        Pictures = 0x40, // a picture stored, renamed or removed
        ListedMarks = 0x80, // only the listed marks, which no window shows
        Records = 0x100, // whereabouts, show results or colour factors
        Settings = 0x200, // the settings kept outside the data files
        Everything = 0xFFFF, // replaced as a whole (a restore, a wipe)
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // Without records of its own the document keeps them in memory.
    StockDocument(StockData db, DataFiles files, std::unique_ptr<RecordsDatabase> records = {},
                  QObject* parent = nullptr);
    ~StockDocument() override;

    const StockData& data() const { return m_db; }
    const AnimalTable& animals() const { return m_db.animals; }
    const PairTable& pairs() const { return m_db.pairs; }
    const BreederData& breeder() const { return m_db.breeder; }
    const PrintSettings& printSettings() const { return m_db.print; }
    const PictureStore& pictures() const { return m_pictures; }
    const DataFiles& files() const { return m_files; }
    const RecordsDatabase& records() const { return *m_records; }

    // Look-ups through indexes that live until the next change.
    const RingIndex& ringIndex() const;
    const DescendantsFinder& descendants() const;
    // Table positions in the alphabetical order of their ring numbers.
    const std::vector<qsizetype>& alphabeticalRingOrder() const;
    // The last active animal with exactly this ring, or nullptr.
    const Animal* lastActive(const QString& ring) const;

    // The rings that can get a certificate (active, unsold animals),
    // alphabetical; after a change only the animals it reached are placed again.
    const QStringList& certificateCandidates();
    // Goes up whenever that list's content changes.
    quint64 certificateCandidatesVersion() const { return m_candidates.version(); }

    // The distinct values of a field over the active animals, alphabetical,
    // offered in a suggestion list. Offering them sets the listed marks the
    // stock file keeps, as offering them and making the stock list by birth
    // year have always left them, so that a saved file has the bytes it
    // always had: a ListedMarks change, never a step of the history. After a
    // change, only the animals it reached are looked at again.
    QStringList offerValues(QString Animal::*field);
    void unmarkForYearList(const std::optional<QString>& breed);

    // Animals entered together (a range): one step.
    void appendAnimals(AnimalTable animals);
    // One new animal, and its picture copied from picturePath if one is
    // given. The German reason the picture was not stored, or an empty text.
    QString enterAnimal(Animal animal, const QString& picturePath);
    // Animals and records brought in from a file as one step under `text`:
    // `added` are appended, each of `updated` replaces the active animals with
    // its ring, and the records of each ring in `records` change so. Records
    // that cannot be stored refuse the whole import: their German reason, or an empty text.
    QString importAnimals(const QString& text, AnimalTable added, const std::vector<Animal>& updated,
                          const std::vector<std::pair<QString, AnimalRecordChange>>& records = {});
    // Checks the edit and stores it in the active animal(s) with the selected
    // ring. A new ring takes the animal's picture and records along and, when
    // carryLinks answers yes for the number of links to the old ring (parents,
    // pairs, young; asked only for an edit that will be stored), those links
    // too, all in one change. Whereabouts other than "im Bestand" set the sold
    // mark; an unticked sold mark makes them "im Bestand". Records that cannot
    // be stored refuse the whole change.
    using CarryLinks = std::function<bool(int links)>;
    AnimalEditResult changeAnimal(const QString& selectedRing, const AnimalEdit& edit,
                                  const CarryLinks& carryLinks = {});
    // Takes every active animal with the ring out of the stock and deletes
    // its picture and records; the German reason something stayed, or an empty text.
    QString deleteAnimal(const QString& ring);

    // Puts the active birds with these rings into a place (empty: out of
    // every place) from the date on, as one step; birds already there stay
    // as they are. The German reason nothing changed, or an empty text.
    QString moveAnimals(const QStringList& rings, const QString& location, const QDate& date);
    // The club rings delivered, each returning the German reason of a failure or an empty text.
    QString addRingDelivery(RingDelivery delivery);
    QString removeRingDelivery(qint64 id);
    // Shows and their entries, each returning the German reason of a failure or an empty text.
    // A show needs a name; a bird entered must be in the stock; several
    // entered as a collection get the show's next collection number.
    // Transferring makes every judged entry not yet transferred a show result
    // of its bird, as one step.
    QString addShowEvent(ShowEvent& show); // sets its id
    QString changeShowEvent(ShowEvent show);
    QString removeShowEvent(qint64 id);
    QString enterForShow(qint64 show, const QStringList& rings, const QString& showClass, bool asCollection);
    QString changeEntry(const ShowEntry& entry);
    QString removeEntry(qint64 show, qint64 entry);
    QString transferShowResults(qint64 show, int* transferred = nullptr);
    // Show results, each returning the German reason of a failure or an empty text.
    QString addShowResult(ShowResult& result);
    QString changeShowResult(const ShowResult& result);
    QString removeShowResult(qint64 id);
    // The records of a backup replace those here.
    QString replaceRecords(const QString& copy);
    bool setParents(const QString& childRing, const QString& mother, const QString& father);
    // Newest birth year first; deleted animals leave the table for good.
    void sortStock();
    void setBreederData(const BreederData& breeder);
    void setPrintSettings(const PrintSettings& print);

    // Pictures, each returning the German reason of a failure or an empty text.
    QString makePictureFolder();
    QString storePicture(const QString& ring, const QString& source);
    QString removePicture(const QString& ring);
    // The pictures of a restore: the folder as it was moved to keepOldAs.
    FolderCopy replacePictures(const QString& source, const QString& keepOldAs, const CopyProgress& progress);

    // Breeding pairs, addressed by their position in the table as every pair list shows them.
    void addPair(BreedingPair pair);
    // The pair's rings, cage and start; its clutches stay.
    void changePair(int pair, const BreedingPair& values);
    void removePair(int pair);
    void addClutch(int pair);
    void setClutch(int pair, int clutch, Clutch values);
    void removeClutch(int pair, int clutch);
    // Rings a young bird: its animal joins the stock and its egg names it, together.
    void ringYoung(int pair, int clutch, int egg, Animal animal, const Youngster& young);
    // Takes the egg's bird out of the stock (every animal with its ring) and
    // clears the egg; `removed` gets the rings of the animals taken out, one
    // per animal. Records that cannot be removed refuse the whole change:
    // their German reason, or an empty text.
    QString clearYoung(int pair, int clutch, int egg, QStringList* removed = nullptr);

    void replaceAll(StockData db);
    // Empties the stock, the breeder data, the pairs and the records and
    // deletes the pictures; the print settings stay. Records that cannot be
    // cleared change nothing: their German reason, or an empty text.
    QString wipe();

    const UndoHistory& history() const { return m_history; }
    // A setting changed by its owner: kept as a step like the document's own,
    // `swap` putting the setting before or after back in place.
    void keepSettingChange(const QString& text, std::function<void(bool toBefore)> swap);
    // Take back the last step, make again the last one taken back: an empty
    // text, or the German reason nothing changed.
    QString undo();
    QString redo();

    // Something a feature above the document works out from the whole stock
    // (the colour reading of the pedigree), kept here once for every window
    // and made again by `make` after a change of one of the kinds in
    // `dependsOn`. One per type.
    template<typename Derived>
    Derived& derived(Changes dependsOn, const std::function<std::unique_ptr<Derived>()>& make) const
    {
        DerivedSlot& slot = m_derived[std::type_index(typeid(Derived))];
        if (!slot.value) {
            slot.dependsOn = dependsOn;
            slot.value = std::shared_ptr<Derived>(make());
        }
        return *static_cast<Derived*>(slot.value.get());
    }

    // Counts the changes: every signalled change makes it one higher.
    quint64 generation() const { return m_generation; }
    // Counts the changes of what the two data files hold (not the records or pictures).
    quint64 filesGeneration() const { return m_filesGeneration; }
    // Writes both data files, unless they hold the data as they are already
    // (read whole at the start, or saved in the background since the last change).
    DataFiles::SaveResult save();
    // For a save in the background: encodes the animals a change reached
    // until the deadline; false when some are left for the next call.
    bool prepareSave(QDeadlineTimer deadline);
    // What writes both files as the data are now, on any thread, without
    // copying the stock. Needs prepareSave() to have returned true since the last change.
    DataFiles::Writers saveWriters() const;

signals:
    void changed(StockDocument::Changes what);
    // What undo and redo would do is different now.
    void historyChanged();

private:
    // Which indexes a change of the animals leaves valid.
    enum KeptIndexes
    {
        KeepNone = 0,
        KeepRingIndex = 0x1, // brought up to date by the change itself
        KeepAll = 0x7, // no ring, active mark, parent link or position changed
    };
    // A change of the animals whose positions were not reported to the encoded stock encodes all of them again.
    void notify(Changes what, int kept = KeepNone, bool positionsReported = false);
    StockStores stores() { return {m_db, *m_records, m_pictures}; }
    // Keeps a change that changed anything in the history. Signals `what`,
    // which the change also says it touched.
    void record(StockChange change, Changes what, int kept = KeepNone);
    void clearHistory();
    // The listed marks changed at these positions.
    void markedAt(const std::vector<size_t>& positions);
    // What follows the table by position (the encoded records, the offered values) follows a change.
    void followReached(const AnimalsReached& reached);
    // The animals from `first` on were appended: the ring index takes them in.
    int keepRingIndexAfterAppending(size_t first);
    BreedingPair& pairAt(int pair);
    Clutch& clutchAt(int pair, int clutch);
    Youngster& youngAt(int pair, int clutch, int egg);

    StockData m_db;
    EncodedStock m_encoded;
    OfferedValues m_offered;
    CandidateRings m_candidates;
    DataFiles m_files;
    PictureStore m_pictures;
    std::unique_ptr<RecordsDatabase> m_records;
    mutable std::unique_ptr<RingIndex> m_ringIndex;
    mutable std::unique_ptr<DescendantsFinder> m_descendants;
    mutable std::unique_ptr<std::vector<qsizetype>> m_alphabetical;
    struct DerivedSlot
    {
        Changes dependsOn;
        std::shared_ptr<void> value; // type-erased, yet destroyed as what it is
    };
    mutable std::unordered_map<std::type_index, DerivedSlot> m_derived;
    UndoHistory m_history;
    quint64 m_generation = 1;
    quint64 m_filesGeneration = DataFiles::kLoadedGeneration;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(StockDocument::Changes)
