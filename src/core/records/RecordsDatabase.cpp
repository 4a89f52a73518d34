#include "core/records/RecordsDatabase.h"

#include "core/records/RecordsSchema.h"
#include "core/records/SqlStatement.h"

#include <sqlite3.h>

#include <type_traits>

#include <QCoreApplication>

namespace {

QString isoDate(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QDate fromIso(const QString& text)
{
    return QDate::fromString(text, Qt::ISODate);
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

LocationMove moveFrom(const SqlStatement& row)
{
    return {row.number(0), row.text(1), fromIso(row.text(2)), row.text(3)};
}

QByteArray moveQuery(const char* condition)
{
    return QByteArrayLiteral("SELECT id, ring, date, location FROM location_move ") + condition;
}

RingDelivery deliveryFrom(const SqlStatement& row)
{
    return {row.number(0), int(row.number(1)), row.text(2),   row.text(3),       row.text(4),
            row.text(5),   row.number(6),      row.number(7), int(row.number(8))};
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

std::vector<LocationMove> RecordsDatabase::moves(const QString& ring) const
{
    return rowsOf(m_db, m_readProblem, moveQuery("WHERE ring = ? ORDER BY date, id"), moveFrom, ring);
}

std::optional<LocationMove> RecordsDatabase::currentLocation(const QString& ring) const
{
    const auto found
        = rowsOf(m_db, m_readProblem, moveQuery("WHERE ring = ? ORDER BY date DESC, id DESC LIMIT 1"), moveFrom, ring);
    return found.empty() ? std::nullopt : std::optional<LocationMove>(found.front());
}

std::vector<LocationMove> RecordsDatabase::currentLocations() const
{
    return rowsOf(m_db, m_readProblem,
                  "SELECT id, ring, date, location FROM (SELECT *, row_number() OVER (PARTITION BY ring ORDER BY "
                  "date DESC, id DESC) AS newest FROM location_move) WHERE newest = 1 ORDER BY ring",
                  moveFrom);
}

QStringList RecordsDatabase::locationsInUse() const
{
    QStringList found;
    for (const LocationMove& move : currentLocations()) {
        if (!move.location.isEmpty())
            found << move.location;
    }
    found.sort(Qt::CaseInsensitive);
    found.removeDuplicates();
    return found;
}

bool RecordsDatabase::storeMove(const LocationMove& move, bool withId)
{
    SqlStatement ringRow(m_db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)");
    SqlStatement store(m_db, "INSERT INTO location_move (ring, date, location, id) VALUES (?, ?, ?, ?)");
    store.bind(1, move.ring).bind(2, isoDate(move.date)).bind(3, move.location);
    store.bind(4, withId ? std::optional<qint64>(move.id) : std::nullopt);
    return ringRow.bind(1, move.ring).run() && store.run();
}

QStringList RecordsDatabase::rings() const
{
    const auto found = rowsOf(m_db, m_readProblem,
                              "SELECT ring FROM whereabouts UNION SELECT ring FROM show_result UNION SELECT ring FROM "
                              "colour_factor UNION SELECT ring FROM location_move ORDER BY 1",
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
                       "show_result WHERE ring = ?1) OR EXISTS (SELECT 1 FROM colour_factor WHERE ring = ?1) OR EXISTS "
                       "(SELECT 1 FROM location_move WHERE ring = ?1)");
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
    SqlStatement old(m_db, "DELETE FROM bird WHERE ring = ?");
    for (SqlStatement* step : {&replaced, &moveWhereabouts, &moveShows, &replacedFactors, &moveFactors, &moveLocations})
        step->bind(1, from).bind(2, to);
    return target.bind(1, to).run() && replaced.run() && moveWhereabouts.run() && moveShows.run()
        && replacedFactors.run() && moveFactors.run() && moveLocations.run() && old.bind(1, from).run();
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
    }
    if (!change.commit())
        return failure(what);
    return {};
}

std::vector<RingDelivery> RecordsDatabase::ringDeliveries() const
{
    return rowsOf(m_db, m_readProblem,
                  "SELECT id, year, club, size, colour, prefix, first_number, last_number, digits FROM ring_delivery "
                  "ORDER BY year, id",
                  deliveryFrom);
}

bool RecordsDatabase::storeRingDelivery(const RingDelivery& d, bool withId)
{
    SqlStatement store(m_db,
                       "INSERT INTO ring_delivery (year, club, size, colour, prefix, first_number, last_number, "
                       "digits, id) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    store.bind(1, qint64(d.year)).bind(2, d.club).bind(3, d.size).bind(4, d.colour).bind(5, d.prefix);
    store.bind(6, d.first).bind(7, d.last).bind(8, qint64(d.digits));
    store.bind(9, withId ? std::optional<qint64>(d.id) : std::nullopt);
    return store.run();
}

QString RecordsDatabase::addRingDelivery(RingDelivery& delivery)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Ringlieferung %1 bis %2")
                             .arg(delivery.ring(delivery.first), delivery.ring(delivery.last));
    SqlTransaction change(m_db);
    if (!change.open() || !storeRingDelivery(delivery, false))
        return failure(what);
    const qint64 id = sqlite3_last_insert_rowid(m_db);
    if (!change.commit())
        return failure(what);
    delivery.id = id;
    return {};
}

QString RecordsDatabase::removeRingDelivery(qint64 id)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Löschen der Ringlieferung");
    SqlTransaction change(m_db);
    SqlStatement remove(m_db, "DELETE FROM ring_delivery WHERE id = ?");
    if (!change.open() || !remove.bind(1, id).run() || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::replaceRingDeliveries(const std::vector<RingDelivery>& deliveries)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Zurücksetzen der Ringlieferungen");
    SqlTransaction change(m_db);
    if (!change.open() || !runSql(m_db, "DELETE FROM ring_delivery"))
        return failure(what);
    for (const RingDelivery& d : deliveries) {
        if (!storeRingDelivery(d, true))
            return failure(what);
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
        || !change.commit())
        return failure(what);
    return {};
}
