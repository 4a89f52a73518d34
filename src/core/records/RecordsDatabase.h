#pragma once

#include "core/model/AnimalRecords.h"
#include "core/records/RecordsSchema.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

struct sqlite3;

// What changes in one bird's records when the breeder stores it; nothing given, nothing changes.
struct AnimalRecordChange
{
    std::optional<Whereabouts> whereabouts {};
    std::optional<FactorStates> factors {}; // replaces all factors entered before
    std::optional<std::vector<ShowResult>> showResults {}; // replace all; those with an id keep it
    std::optional<LocationMove> move {}; // added to the bird's moves
};

// The records a bird has beyond the stock file (whereabouts, show results),
// in an SQLite file beside the data files. Every change is one transaction,
// committed when it is made, so the records survive a crash on their own.
// The file keeps its schema version; a file of an older version is brought
// up to date when it is opened, one step at a time, and nothing is lost.
class RecordsDatabase
{
public:
    // The schema this program writes.
    static constexpr int kSchemaVersion = kRecordsSchemaVersion;

    enum class Access
    {
        Owner, // the program: creates, migrates, sets a damaged file aside
        ReadOnly, // avelor-export: reads an existing file, writes nothing
    };

    struct OpenResult
    {
        bool available = true; // false: records can be neither read nor changed in this run
        QString message; // German: what the breeder is told (a damaged file kept aside, a newer version)
    };

    // An empty database in memory, for a stock without a data folder.
    RecordsDatabase();
    ~RecordsDatabase();
    RecordsDatabase(const RecordsDatabase&) = delete;
    RecordsDatabase& operator=(const RecordsDatabase&) = delete;

    // Opens the file instead of the database in memory, or refuses it and
    // never guesses: a locked or unreadable file, one of an unknown version
    // and one whose tables are not ours are left untouched; only a file that
    // SQLite finds damaged is kept aside under a new name (with the files
    // SQLite keeps beside it) and replaced by an empty one (Owner), or left
    // alone (ReadOnly). A file of an older version is brought up to date
    // (ReadOnly: a copy in memory).
    OpenResult open(const QString& path, Access access);
    bool available() const { return m_db != nullptr; }
    const QString& path() const { return m_path; }
    // Why a read since the file was opened returned less than the file holds
    // (another program holding it too long, a failing disk); empty when none did.
    const QString& readProblem() const { return m_readProblem; }

    // How long a change or a reader waits for another program's lock.
    static constexpr int kOwnerWaitMs = 2000;
    static constexpr int kReaderWaitMs = 1000;

    std::optional<Whereabouts> whereabouts(const QString& ring) const;
    // Every record whose status is not "im Bestand", by date, then ring.
    std::vector<Whereabouts> departures() const;
    std::vector<Whereabouts> allWhereabouts() const;
    std::vector<ShowResult> showResults(const QString& ring) const;
    std::vector<ShowResult> allShowResults() const;
    // Every entry of a show, by date, then ring.
    std::vector<ShowResult> resultsOfShow(const QString& show) const;
    // The shows that were entered, by date, newest first, each once.
    QStringList shows() const;
    // The ring of the stored show result with this id; empty when there is none.
    QString ringOfShowResult(qint64 id) const;
    FactorStates colourFactors(const QString& ring) const;
    // The factors of every bird that has any, by ring.
    QHash<QString, FactorStates> allColourFactors() const;
    // A bird's moves, oldest first, and the last of them: where it sits now.
    std::vector<LocationMove> moves(const QString& ring) const;
    std::optional<LocationMove> currentLocation(const QString& ring) const;
    // Where every bird that was ever placed sits now (empty: taken out), by ring.
    std::vector<LocationMove> currentLocations() const;
    // The places birds sit in now, alphabetical, each once.
    QStringList locationsInUse() const;
    // The club rings delivered, by year, then in the order they were entered.
    std::vector<RingDelivery> ringDeliveries() const;
    // The shows entered for, newest first; one of them; the entries of a show
    // and of a bird, as entered.
    std::vector<ShowEvent> showEvents() const;
    std::optional<ShowEvent> showEvent(qint64 id) const;
    std::vector<ShowEntry> entries(qint64 show) const;
    std::vector<ShowEntry> entriesOf(const QString& ring) const;
    std::vector<ShowEntry> allEntries() const;
    // Every ring that has a record of any kind.
    QStringList rings() const;
    bool hasRecords(const QString& ring) const;
    // Everything stored under a ring, to be put back by restore().
    AnimalRecordSet recordsOf(const QString& ring) const;

    // Each change returns an empty text or the German reason it was not stored.
    QString setWhereabouts(const Whereabouts& whereabouts);
    QString addShowResult(ShowResult& result); // sets its id
    QString changeShowResult(const ShowResult& result);
    QString removeShowResult(qint64 id);
    // A bird changed at once: its ring renamed (when `to` differs) and its
    // records stored under the new ring, in one transaction.
    QString changeRecordsOf(const QString& from, const QString& to, const AnimalRecordChange& change);
    // Many birds changed at once (an import), in one transaction: all or none.
    QString changeRecords(const std::vector<std::pair<QString, AnimalRecordChange>>& changes);
    QString removeRing(const QString& ring);
    QString addRingDelivery(RingDelivery& delivery); // sets its id
    QString removeRingDelivery(qint64 id);
    // Makes the deliveries exactly these, ids kept (what undo puts back).
    QString replaceRingDeliveries(const std::vector<RingDelivery>& deliveries);
    QString addShowEvent(ShowEvent& show); // sets its id
    QString changeShowEvent(const ShowEvent& show);
    QString removeShowEvent(qint64 id); // with its entries
    QString addEntries(std::vector<ShowEntry>& entries); // all or none; sets their ids
    QString changeEntry(const ShowEntry& entry);
    QString removeEntry(qint64 id);
    // Every judged entry of the show not yet transferred becomes a show result
    // of its bird (the show's name and date, the entry's class, points, award
    // and collection) and is marked transferred; *transferred says how many.
    QString transferJudgedEntries(qint64 show, int* transferred = nullptr);
    // Makes the shows and entries exactly these, ids kept (what undo puts back).
    QString replaceShowEvents(const std::vector<ShowEvent>& shows, const std::vector<ShowEntry>& entries);
    QString clear();
    // Makes each ring's records exactly what the set holds (none, when the
    // set is empty), all rings in one transaction.
    QString restore(const std::vector<AnimalRecordSet>& sets);

    // A consistent copy into a file of its own (SQLite's backup), made aside
    // and put in place whole.
    QString copyTo(const QString& path) const;
    // Replaces every record by those of a copy; a copy that cannot be read
    // whole, or is of a newer version, changes nothing.
    QString replaceFrom(const QString& path);
    // Whether a file is a copy that replaceFrom takes: an empty text or the German reason.
    static QString checkCopy(const QString& path);

private:
    QString failure(const QString& what) const;
    // Parts of a change, run inside its transaction; false on an SQLite error.
    bool moveRecords(const QString& from, const QString& to);
    bool storeWhereabouts(const Whereabouts& whereabouts);
    bool storeFactors(const QString& ring, const FactorStates& factors);
    bool storeShowResult(const ShowResult& result, bool withId);
    bool storeShowResults(const QString& ring, const std::vector<ShowResult>& results);
    bool storeMove(const LocationMove& move, bool withId);
    bool storeRingDelivery(const RingDelivery& delivery, bool withId);
    bool storeShowEvent(const ShowEvent& show, bool withId);
    bool storeEntry(const ShowEntry& entry, bool withId);
    bool storeChange(const QString& ring, const AnimalRecordChange& change);
    void openInMemory();
    OpenResult create(const QString& path, const QString& told);
    OpenResult bringUpToDate(const QString& path, Access access);
    void close();

    sqlite3* m_db = nullptr;
    QString m_path;
    mutable QString m_readProblem;
};
