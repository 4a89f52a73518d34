#include "core/records/RecordsDatabase.h"

#include "core/records/RecordsCheck.h"
#include "core/records/RecordsSchema.h"
#include "core/records/SqlStatement.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <type_traits>

namespace {

QString isoDate(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QDate fromIso(const QString& text)
{
    return QDate::fromString(text, Qt::ISODate);
}

void configure(sqlite3* db, int waitMs)
{
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, waitMs);
    runSql(db, "PRAGMA foreign_keys = ON");
    runSql(db, "PRAGMA synchronous = FULL");
}

Whereabouts whereaboutsFrom(const SqlStatement& row)
{
    Whereabouts w;
    w.ring = row.text(0);
    w.status = static_cast<WhereaboutsStatus>(row.number(1));
    w.date = fromIso(row.text(2));
    w.buyerName = row.text(3);
    w.buyerAddress = row.text(4);
    if (!row.isNull(5))
        w.priceCents = row.number(5);
    w.note = row.text(6);
    return w;
}

ShowResult showResultFrom(const SqlStatement& row)
{
    ShowResult r;
    r.id = row.number(0);
    r.ring = row.text(1);
    r.date = fromIso(row.text(2));
    r.show = row.text(3);
    r.showClass = row.text(4);
    r.halfPoints = int(row.number(5));
    r.award = row.text(6);
    if (!row.isNull(7))
        r.collection = int(row.number(7));
    return r;
}

QString firstText(const SqlStatement& row)
{
    return row.text(0);
}

QByteArray whereaboutsQuery(const char* condition)
{
    return QByteArrayLiteral(
               "SELECT ring, status, date, buyer_name, buyer_address, price_cents, note FROM whereabouts ")
        + condition;
}

QByteArray showResultQuery(const char* condition)
{
    return QByteArrayLiteral("SELECT id, ring, date, show, class, half_points, award, collection FROM show_result ")
        + condition;
}

// Every row of a query as read(row); the parameters are bound in order from 1.
// No database, no rows. A query that fails leaves its reason in `problem`.
template<typename Read, typename... Parameters>
auto rowsOf(sqlite3* db, QString& problem, const QByteArray& sql, Read read, const Parameters&... parameters)
{
    std::vector<std::invoke_result_t<Read, const SqlStatement&>> found;
    if (!db)
        return found;
    SqlStatement query(db, sql.constData());
    int index = 0;
    (query.bind(++index, parameters), ...);
    while (query.next())
        found.push_back(read(query));
    if (query.failed())
        problem = sqliteError(db);
    return found;
}

} // namespace

RecordsDatabase::RecordsDatabase()
{
    openInMemory();
}

void RecordsDatabase::openInMemory()
{
    close();
    QString problem;
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK
        || (configure(m_db, kOwnerWaitMs), !migrateSchema(m_db, problem)))
        close();
}

RecordsDatabase::~RecordsDatabase()
{
    close();
}

void RecordsDatabase::close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

namespace {

QString stampedAside(const QString& path, const QString& kind)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + kind + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + kind + stamp + QLatin1Char('-') + QString::number(n);
    return aside;
}

// The files SQLite keeps beside a database while it changes it.
const QString kSideFiles[] = {QStringLiteral("-wal"), QStringLiteral("-journal"), QStringLiteral("-shm")};

QString recordsIn(const QString& path)
{
    return QStringLiteral("Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1").arg(quotedPath(path));
}

QString refusal(const QString& path, const RecordsCheck& check, RecordsDatabase::Access access)
{
    using Verdict = RecordsCheck::Verdict;
    const bool owner = access == RecordsDatabase::Access::Owner;
    const QString untouched = owner ? QStringLiteral(" Die Datei bleibt unverändert; die Zusatzdaten sind in diesem "
                                                     "Programmlauf nicht verfügbar.")
                                    : QStringLiteral(" Die Datei bleibt unverändert.");
    switch (check.verdict) {
    case Verdict::Locked:
        return QStringLiteral("%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das "
                              "andere Programm und versuchen Sie es danach noch einmal.")
            .arg(recordsIn(path), check.detail, untouched);
    case Verdict::Unreadable:
        return QStringLiteral("%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen "
                              "und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.")
            .arg(recordsIn(path), check.detail, untouched);
    case Verdict::Interrupted:
        return QStringLiteral("%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim "
                              "nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach "
                              "noch einmal.")
            .arg(recordsIn(path), untouched);
    case Verdict::UnknownVersion:
        if (check.version > RecordsDatabase::kSchemaVersion)
            return QStringLiteral("%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen "
                                  "noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.")
                .arg(recordsIn(path), untouched);
        return QStringLiteral("%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch "
                              "ändern.%3")
            .arg(recordsIn(path))
            .arg(check.version)
            .arg(untouched);
    case Verdict::Foreign:
        return QStringLiteral("Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr "
                              "gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim "
                              "nächsten Start eine neue an.")
            .arg(quotedPath(path), check.detail, untouched);
    case Verdict::Damaged:
        return QStringLiteral("%1 sind beschädigt und konnten nicht gelesen werden (%2).")
            .arg(recordsIn(path), check.detail);
    case Verdict::Sound:
    case Verdict::Empty:
        break;
    }
    return {};
}

} // namespace

RecordsDatabase::OpenResult RecordsDatabase::open(const QString& path, Access access)
{
    using Verdict = RecordsCheck::Verdict;
    close();
    m_path = path;
    m_readProblem.clear();
    const bool owner = access == Access::Owner;
    if (!QFileInfo::exists(path)) {
        if (!owner) {
            openInMemory(); // nothing recorded yet
            return {};
        }
        return create(path, QString());
    }
    RecordsCheck check = checkRecordsHeader(path);
    if (check.verdict == Verdict::Sound) {
        const int flags = owner ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
        if (sqlite3_open_v2(sqliteFileName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            check = {Verdict::Unreadable, 0, sqliteError(m_db)};
        } else {
            configure(m_db, owner ? kOwnerWaitMs : kReaderWaitMs);
            check = checkRecords(m_db, owner);
        }
    }
    switch (check.verdict) {
    case Verdict::Empty:
        // No bytes: what SQLite leaves of a file it made and never wrote to.
        close();
        if (!owner) {
            openInMemory();
            return {};
        }
        return create(path, QString());
    case Verdict::Sound:
        if (check.version < kSchemaVersion)
            return bringUpToDate(path, access);
        return {};
    case Verdict::Damaged:
        break;
    default:
        close();
        return {false, refusal(path, check, access)};
    }

    QString text = refusal(path, check, access);
    if (!owner) {
        close();
        return {false, text};
    }
    // Set aside, never overwritten: the breeder or a helper may still rescue what it holds. The
    // files SQLite keeps beside it hold committed changes too and go along, first, so that no
    // new file could ever meet them.
    if (m_db)
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    close();
    const QString aside = stampedAside(path, QStringLiteral(".beschaedigt-"));
    bool allMoved = true;
    for (const QString& side : kSideFiles) {
        if (QFileInfo::exists(path + side))
            allMoved = QFile::rename(path + side, aside + side) && allMoved;
    }
    if (!allMoved || !QFile::rename(path, aside)) {
        return {false,
                text
                    + QStringLiteral("\n\nDie Datei konnte nicht beiseitegelegt werden; die Zusatzdaten "
                                     "sind in diesem Programmlauf nicht verfügbar.")};
    }
    text += QStringLiteral("\n\nDie Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren "
                           "Zusatzdaten.")
                .arg(quotedPath(aside));
    OpenResult created = create(path, text);
    created.message = text + (created.available ? QString() : QStringLiteral("\n\n") + created.message);
    return created;
}

RecordsDatabase::OpenResult RecordsDatabase::create(const QString& path, const QString& told)
{
    // Files SQLite kept beside a database that is gone must not be taken for the new one's.
    for (const QString& side : kSideFiles) {
        if (QFileInfo::exists(path + side)
            && !QFile::rename(path + side, stampedAside(path, QStringLiteral(".verwaist-")) + side)) {
            return {false,
                    QStringLiteral("%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht "
                                   "beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.")
                        .arg(recordsIn(path), quotedPath(path + side))};
        }
    }
    QString problem;
    if (sqlite3_open_v2(sqliteFileName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        problem = sqliteError(m_db);
    } else {
        configure(m_db, kOwnerWaitMs);
        migrateSchema(m_db, problem);
    }
    if (problem.isEmpty())
        return {true, told};
    close();
    return {false,
            QStringLiteral("%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht "
                           "verfügbar.")
                .arg(recordsIn(path), problem)};
}

RecordsDatabase::OpenResult RecordsDatabase::bringUpToDate(const QString& path, Access access)
{
    QString problem;
    if (access == Access::ReadOnly) {
        // A reader changes no file: it brings a copy in memory up to date.
        sqlite3* memory = nullptr;
        if (sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
            problem = copyDatabase(m_db, memory);
        else
            problem = sqliteError(memory);
        close();
        m_db = memory;
        if (problem.isEmpty()) {
            configure(m_db, kReaderWaitMs);
            migrateSchema(m_db, problem);
        }
    } else {
        migrateSchema(m_db, problem);
    }
    if (problem.isEmpty())
        return {};
    close();
    return {false,
            QStringLiteral("%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie "
                           "sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.")
                .arg(recordsIn(path), problem)};
}

QString RecordsDatabase::failure(const QString& what) const
{
    if (!m_db)
        return QStringLiteral("Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht "
                              "gespeichert.")
            .arg(what);
    return QStringLiteral("%1 konnte nicht gespeichert werden: %2").arg(what, sqliteError(m_db));
}

std::optional<Whereabouts> RecordsDatabase::whereabouts(const QString& ring) const
{
    const auto found = rowsOf(m_db, m_readProblem, whereaboutsQuery("WHERE ring = ?"), whereaboutsFrom, ring);
    return found.empty() ? std::nullopt : std::optional<Whereabouts>(found.front());
}

std::vector<Whereabouts> RecordsDatabase::departures() const
{
    return rowsOf(m_db, m_readProblem, whereaboutsQuery("WHERE status <> 0 ORDER BY date, ring"), whereaboutsFrom);
}

std::vector<Whereabouts> RecordsDatabase::allWhereabouts() const
{
    return rowsOf(m_db, m_readProblem, whereaboutsQuery("ORDER BY ring"), whereaboutsFrom);
}

std::vector<ShowResult> RecordsDatabase::showResults(const QString& ring) const
{
    return rowsOf(m_db, m_readProblem, showResultQuery("WHERE ring = ? ORDER BY date, id"), showResultFrom, ring);
}

std::vector<ShowResult> RecordsDatabase::allShowResults() const
{
    return rowsOf(m_db, m_readProblem, showResultQuery("ORDER BY date, ring, id"), showResultFrom);
}

std::vector<ShowResult> RecordsDatabase::resultsOfShow(const QString& show) const
{
    return rowsOf(m_db, m_readProblem, showResultQuery("WHERE show = ? ORDER BY date, ring, id"), showResultFrom, show);
}

QStringList RecordsDatabase::shows() const
{
    const auto found = rowsOf(m_db, m_readProblem,
                              "SELECT show FROM show_result GROUP BY show ORDER BY max(date) DESC, show", firstText);
    return QStringList(found.begin(), found.end());
}

QString RecordsDatabase::ringOfShowResult(qint64 id) const
{
    const auto found = rowsOf(m_db, m_readProblem, "SELECT ring FROM show_result WHERE id = ?", firstText, id);
    return found.empty() ? QString() : found.front();
}

QStringList RecordsDatabase::rings() const
{
    const auto found = rowsOf(m_db, m_readProblem,
                              "SELECT ring FROM whereabouts UNION SELECT ring FROM show_result UNION SELECT ring FROM "
                              "colour_factor ORDER BY 1",
                              firstText);
    return QStringList(found.begin(), found.end());
}

bool RecordsDatabase::storeWhereabouts(const Whereabouts& w)
{
    SqlStatement ringRow(m_db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)");
    SqlStatement store(m_db,
                       "INSERT OR REPLACE INTO whereabouts (ring, status, date, buyer_name, buyer_address, "
                       "price_cents, note) VALUES (?, ?, ?, ?, ?, ?, ?)");
    store.bind(1, w.ring).bind(2, qint64(w.status)).bind(3, isoDate(w.date)).bind(4, w.buyerName);
    store.bind(5, w.buyerAddress).bind(6, w.priceCents).bind(7, w.note);
    return ringRow.bind(1, w.ring).run() && store.run();
}

FactorStates RecordsDatabase::colourFactors(const QString& ring) const
{
    FactorStates found;
    if (!m_db)
        return found;
    SqlStatement query(m_db, "SELECT factor, state FROM colour_factor WHERE ring = ?");
    query.bind(1, ring);
    while (query.next())
        found[query.text(0)] = FactorState(query.number(1));
    if (query.failed())
        m_readProblem = sqliteError(m_db);
    return found;
}

QHash<QString, FactorStates> RecordsDatabase::allColourFactors() const
{
    QHash<QString, FactorStates> found;
    if (!m_db)
        return found;
    SqlStatement query(m_db, "SELECT ring, factor, state FROM colour_factor");
    while (query.next())
        found[query.text(0)][query.text(1)] = FactorState(query.number(2));
    if (query.failed())
        m_readProblem = sqliteError(m_db);
    return found;
}

bool RecordsDatabase::storeFactors(const QString& ring, const FactorStates& factors)
{
    SqlStatement ringRow(m_db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)");
    SqlStatement clear(m_db, "DELETE FROM colour_factor WHERE ring = ?");
    if (!ringRow.bind(1, ring).run() || !clear.bind(1, ring).run())
        return false;
    for (const auto& [factor, state] : factors) {
        if (state == FactorState::Unknown)
            continue;
        SqlStatement store(m_db, "INSERT INTO colour_factor (ring, factor, state) VALUES (?, ?, ?)");
        if (!store.bind(1, ring).bind(2, factor).bind(3, qint64(state)).run())
            return false;
    }
    return true;
}

bool RecordsDatabase::hasRecords(const QString& ring) const
{
    if (!m_db)
        return false;
    SqlStatement query(m_db,
                       "SELECT EXISTS (SELECT 1 FROM whereabouts WHERE ring = ?1) OR EXISTS (SELECT 1 FROM "
                       "show_result WHERE ring = ?1) OR EXISTS (SELECT 1 FROM colour_factor WHERE ring = ?1)");
    const bool found = query.bind(1, ring).next() && query.number(0) != 0;
    if (query.failed())
        m_readProblem = sqliteError(m_db);
    return found;
}

QString RecordsDatabase::setWhereabouts(const Whereabouts& w)
{
    const QString what = QStringLiteral("Der Verbleib von %1").arg(w.ring);
    SqlTransaction change(m_db);
    if (!change.open() || !storeWhereabouts(w) || !change.commit())
        return failure(what);
    return {};
}

bool RecordsDatabase::storeShowResults(const QString& ring, const std::vector<ShowResult>& results)
{
    SqlStatement clear(m_db, "DELETE FROM show_result WHERE ring = ?");
    if (!clear.bind(1, ring).run())
        return false;
    // Those with an id first: a new one must not take the id of one that comes back.
    for (const bool withId : {true, false}) {
        for (ShowResult r : results) {
            r.ring = ring;
            if ((r.id != 0) == withId && !storeShowResult(r, withId))
                return false;
        }
    }
    return true;
}

bool RecordsDatabase::storeShowResult(const ShowResult& r, bool withId)
{
    SqlStatement ringRow(m_db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)");
    SqlStatement store(m_db,
                       "INSERT INTO show_result (ring, date, show, class, half_points, award, collection, id) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    store.bind(1, r.ring).bind(2, isoDate(r.date)).bind(3, r.show).bind(4, r.showClass);
    store.bind(5, qint64(r.halfPoints)).bind(6, r.award);
    store.bind(7, r.collection ? std::optional<qint64>(*r.collection) : std::nullopt);
    store.bind(8, withId ? std::optional<qint64>(r.id) : std::nullopt); // NULL: SQLite gives the next id
    return ringRow.bind(1, r.ring).run() && store.run();
}

QString RecordsDatabase::addShowResult(ShowResult& r)
{
    const QString what = QStringLiteral("Das Ausstellungsergebnis von %1").arg(r.ring);
    SqlTransaction change(m_db);
    if (!change.open() || !storeShowResult(r, false))
        return failure(what);
    const qint64 id = sqlite3_last_insert_rowid(m_db);
    if (!change.commit())
        return failure(what);
    r.id = id;
    return {};
}

QString RecordsDatabase::changeShowResult(const ShowResult& r)
{
    const QString what = QStringLiteral("Das Ausstellungsergebnis von %1").arg(r.ring);
    SqlTransaction change(m_db);
    if (!change.open())
        return failure(what);
    SqlStatement store(m_db,
                       "UPDATE show_result SET date = ?, show = ?, class = ?, half_points = ?, award = ?, "
                       "collection = ? WHERE id = ?");
    store.bind(1, isoDate(r.date)).bind(2, r.show).bind(3, r.showClass).bind(4, qint64(r.halfPoints));
    store.bind(5, r.award).bind(6, r.collection ? std::optional<qint64>(*r.collection) : std::nullopt);
    store.bind(7, r.id);
    if (!store.run() || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::removeShowResult(qint64 id)
{
    const QString what = QStringLiteral("Das Löschen des Ausstellungsergebnisses");
    SqlTransaction change(m_db);
    SqlStatement remove(m_db, "DELETE FROM show_result WHERE id = ?");
    if (!change.open() || !remove.bind(1, id).run() || !change.commit())
        return failure(what);
    return {};
}

bool RecordsDatabase::moveRecords(const QString& from, const QString& to)
{
    SqlStatement has(m_db, "SELECT 1 FROM bird WHERE ring = ?");
    if (from == to || !has.bind(1, from).next())
        return has.prepared(); // nothing recorded under the old ring
    // The renamed bird's records win: any the new ring already had go first where only one may be.
    SqlStatement target(m_db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)");
    SqlStatement replaced(m_db,
                          "DELETE FROM whereabouts WHERE ring = ?2 AND EXISTS (SELECT 1 FROM whereabouts WHERE ring "
                          "= ?1)");
    SqlStatement moveWhereabouts(m_db, "UPDATE whereabouts SET ring = ?2 WHERE ring = ?1");
    SqlStatement moveShows(m_db, "UPDATE show_result SET ring = ?2 WHERE ring = ?1");
    SqlStatement replacedFactors(m_db,
                                 "DELETE FROM colour_factor WHERE ring = ?2 AND EXISTS (SELECT 1 FROM colour_factor "
                                 "WHERE ring = ?1)");
    SqlStatement moveFactors(m_db, "UPDATE colour_factor SET ring = ?2 WHERE ring = ?1");
    SqlStatement old(m_db, "DELETE FROM bird WHERE ring = ?");
    for (SqlStatement* step : {&replaced, &moveWhereabouts, &moveShows, &replacedFactors, &moveFactors})
        step->bind(1, from).bind(2, to);
    return target.bind(1, to).run() && replaced.run() && moveWhereabouts.run() && moveShows.run()
        && replacedFactors.run() && moveFactors.run() && old.bind(1, from).run();
}

QString RecordsDatabase::changeRecordsOf(const QString& from, const QString& to, const AnimalRecordChange& wanted)
{
    const QString what = QStringLiteral("Die Zusatzdaten von %1").arg(to);
    SqlTransaction change(m_db);
    if (!change.open() || !moveRecords(from, to) || (wanted.whereabouts && !storeWhereabouts(*wanted.whereabouts))
        || (wanted.factors && !storeFactors(to, *wanted.factors))
        || (wanted.showResults && !storeShowResults(to, *wanted.showResults)) || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::removeRing(const QString& ring)
{
    const QString what = QStringLiteral("Das Löschen der Zusatzdaten von %1").arg(ring);
    SqlTransaction change(m_db);
    SqlStatement remove(m_db, "DELETE FROM bird WHERE ring = ?");
    if (!change.open() || !remove.bind(1, ring).run() || !change.commit())
        return failure(what);
    return {};
}

AnimalRecordSet RecordsDatabase::recordsOf(const QString& ring) const
{
    AnimalRecordSet set;
    set.ring = ring;
    if (!m_db)
        return set;
    SqlStatement listed(m_db, "SELECT 1 FROM bird WHERE ring = ?");
    set.listed = listed.bind(1, ring).next();
    if (listed.failed())
        m_readProblem = sqliteError(m_db);
    set.whereabouts = whereabouts(ring);
    set.showResults = rowsOf(m_db, m_readProblem, showResultQuery("WHERE ring = ? ORDER BY id"), showResultFrom, ring);
    set.factors = colourFactors(ring);
    return set;
}

QString RecordsDatabase::restore(const std::vector<AnimalRecordSet>& sets)
{
    const QString what = QStringLiteral("Das Zurücksetzen der Zusatzdaten");
    SqlTransaction change(m_db);
    if (!change.open())
        return failure(what);
    // Every ring emptied first: a show result keeps its id when it goes back from one ring to another.
    for (const AnimalRecordSet& set : sets) {
        SqlStatement remove(m_db, "DELETE FROM bird WHERE ring = ?");
        if (!remove.bind(1, set.ring).run())
            return failure(what);
    }
    for (const AnimalRecordSet& set : sets) {
        if (set.listed) {
            SqlStatement ringRow(m_db, "INSERT INTO bird (ring) VALUES (?)");
            if (!ringRow.bind(1, set.ring).run())
                return failure(what);
        }
        if (set.whereabouts && !storeWhereabouts(*set.whereabouts))
            return failure(what);
        for (const ShowResult& r : set.showResults) {
            if (!storeShowResult(r, true))
                return failure(what);
        }
        if (!set.factors.empty() && !storeFactors(set.ring, set.factors))
            return failure(what);
    }
    if (!change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::clear()
{
    const QString what = QStringLiteral("Das Löschen der Zusatzdaten");
    SqlTransaction change(m_db);
    if (!change.open() || !runSql(m_db, "DELETE FROM bird") || !change.commit())
        return failure(what);
    return {};
}
