#include "core/records/RecordsDatabase.h"

#include "core/records/RecordsSchema.h"
#include "core/records/SqlRows.h"
#include "core/records/SqlStatement.h"

#include <sqlite3.h>

#include <QCoreApplication>

namespace {

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

} // namespace

QString RecordsDatabase::failure(const QString& what) const
{
    if (!m_db)
        return QCoreApplication::translate(
                   "RecordsDatabase",
                   "Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar; %1 wurde nicht "
                   "gespeichert.")
            .arg(what);
    return QCoreApplication::translate("RecordsDatabase", "%1 konnte nicht gespeichert werden: %2")
        .arg(what, sqliteError(m_db));
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
    const auto found
        = rowsOf(m_db, m_readProblem,
                 "SELECT ring FROM whereabouts UNION SELECT ring FROM show_result UNION SELECT ring FROM "
                 "colour_factor UNION SELECT ring FROM location_move UNION SELECT ring FROM show_entry ORDER BY 1",
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
    SqlStatement query(
        m_db,
        "SELECT EXISTS (SELECT 1 FROM whereabouts WHERE ring = ?1) OR EXISTS (SELECT 1 FROM "
        "show_result WHERE ring = ?1) OR EXISTS (SELECT 1 FROM colour_factor WHERE ring = ?1) OR EXISTS "
        "(SELECT 1 FROM location_move WHERE ring = ?1) OR EXISTS (SELECT 1 FROM show_entry WHERE ring = ?1)");
    const bool found = query.bind(1, ring).next() && query.number(0) != 0;
    if (query.failed())
        m_readProblem = sqliteError(m_db);
    return found;
}

QString RecordsDatabase::setWhereabouts(const Whereabouts& w)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Der Verbleib von %1").arg(w.ring);
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
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Ausstellungsergebnis von %1").arg(r.ring);
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
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Ausstellungsergebnis von %1").arg(r.ring);
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
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Löschen des Ausstellungsergebnisses");
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
    SqlStatement moveLocations(m_db, "UPDATE location_move SET ring = ?2 WHERE ring = ?1");
    SqlStatement moveEntries(m_db, "UPDATE show_entry SET ring = ?2 WHERE ring = ?1");
    SqlStatement old(m_db, "DELETE FROM bird WHERE ring = ?");
    for (SqlStatement* step :
         {&replaced, &moveWhereabouts, &moveShows, &replacedFactors, &moveFactors, &moveLocations, &moveEntries})
        step->bind(1, from).bind(2, to);
    return target.bind(1, to).run() && replaced.run() && moveWhereabouts.run() && moveShows.run()
        && replacedFactors.run() && moveFactors.run() && moveLocations.run() && moveEntries.run()
        && old.bind(1, from).run();
}

QString RecordsDatabase::changeRecordsOf(const QString& from, const QString& to, const AnimalRecordChange& wanted)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Zusatzdaten von %1").arg(to);
    SqlTransaction change(m_db);
    if (!change.open() || !moveRecords(from, to) || !storeChange(to, wanted) || !change.commit())
        return failure(what);
    return {};
}

bool RecordsDatabase::storeChange(const QString& ring, const AnimalRecordChange& wanted)
{
    if (wanted.whereabouts && !storeWhereabouts(*wanted.whereabouts))
        return false;
    if (wanted.factors && !storeFactors(ring, *wanted.factors))
        return false;
    if (wanted.showResults && !storeShowResults(ring, *wanted.showResults))
        return false;
    if (wanted.move) {
        LocationMove move = *wanted.move;
        move.ring = ring;
        if (!storeMove(move, false))
            return false;
    }
    return true;
}

QString RecordsDatabase::changeRecords(const std::vector<std::pair<QString, AnimalRecordChange>>& changes)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Zusatzdaten");
    SqlTransaction change(m_db);
    if (!change.open())
        return failure(what);
    for (const auto& [ring, wanted] : changes) {
        if (!storeChange(ring, wanted))
            return failure(what);
    }
    if (!change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::removeRing(const QString& ring)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Löschen der Zusatzdaten von %1").arg(ring);
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
    set.moves = moves(ring);
    set.entries = entriesOf(ring);
    return set;
}

QString RecordsDatabase::restore(const std::vector<AnimalRecordSet>& sets)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Zurücksetzen der Zusatzdaten");
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
        for (const LocationMove& move : set.moves) {
            if (!storeMove(move, true))
                return failure(what);
        }
        for (const ShowEntry& entry : set.entries) {
            if (!storeEntry(entry, true))
                return failure(what);
        }
    }
    if (!change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::clear()
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Löschen der Zusatzdaten");
    SqlTransaction change(m_db);
    if (!change.open() || !runSql(m_db, "DELETE FROM bird") || !runSql(m_db, "DELETE FROM ring_delivery")
        || !runSql(m_db, "DELETE FROM show_event") || !change.commit())
        return failure(what);
    return {};
}
