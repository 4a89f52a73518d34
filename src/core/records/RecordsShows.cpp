#include "core/records/RecordsDatabase.h"

#include "core/records/SqlRows.h"
#include "core/records/SqlStatement.h"

#include <QCoreApplication>

#include <sqlite3.h>

// The shows a breeder enters birds for, and their entries.

namespace {

std::optional<qint64> maybe(const std::optional<int>& value)
{
    return value ? std::optional<qint64>(*value) : std::nullopt;
}

std::optional<int> maybeInt(const SqlStatement& row, int column)
{
    return row.isNull(column) ? std::nullopt : std::optional<int>(int(row.number(column)));
}

ShowEvent showEventFrom(const SqlStatement& row)
{
    return {row.number(0),
            row.text(1),
            row.text(2),
            fromIso(row.text(3)),
            fromIso(row.text(4)),
            row.text(5),
            static_cast<CollectionRule>(row.number(6))};
}

QByteArray showEventQuery(const char* condition)
{
    return QByteArrayLiteral("SELECT id, name, place, date, closing_date, organiser, collection_rule FROM show_event ")
        + condition;
}

ShowEntry entryFrom(const SqlStatement& row)
{
    return {row.number(0),    row.number(1),    row.text(2), row.text(3),       maybeInt(row, 4),
            maybeInt(row, 5), maybeInt(row, 6), row.text(7), row.number(8) != 0};
}

QByteArray entryQuery(const char* condition)
{
    return QByteArrayLiteral("SELECT id, show_id, ring, class, collection, cage_number, half_points, award, "
                             "transferred FROM show_entry ")
        + condition;
}

} // namespace

std::vector<ShowEvent> RecordsDatabase::showEvents() const
{
    return rowsOf(m_db, m_readProblem, showEventQuery("ORDER BY date DESC, id DESC"), showEventFrom);
}

std::optional<ShowEvent> RecordsDatabase::showEvent(qint64 id) const
{
    const auto found = rowsOf(m_db, m_readProblem, showEventQuery("WHERE id = ?"), showEventFrom, id);
    return found.empty() ? std::nullopt : std::optional<ShowEvent>(found.front());
}

std::vector<ShowEntry> RecordsDatabase::entries(qint64 show) const
{
    return rowsOf(m_db, m_readProblem, entryQuery("WHERE show_id = ? ORDER BY id"), entryFrom, show);
}

std::vector<ShowEntry> RecordsDatabase::entriesOf(const QString& ring) const
{
    return rowsOf(m_db, m_readProblem, entryQuery("WHERE ring = ? ORDER BY id"), entryFrom, ring);
}

std::vector<ShowEntry> RecordsDatabase::allEntries() const
{
    return rowsOf(m_db, m_readProblem, entryQuery("ORDER BY id"), entryFrom);
}

bool RecordsDatabase::storeShowEvent(const ShowEvent& s, bool withId)
{
    SqlStatement store(m_db,
                       "INSERT INTO show_event (name, place, date, closing_date, organiser, collection_rule, id) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)");
    store.bind(1, s.name).bind(2, s.place).bind(3, isoDate(s.date)).bind(4, isoDate(s.closingDate));
    store.bind(5, s.organiser).bind(6, qint64(s.collectionRule));
    store.bind(7, withId ? std::optional<qint64>(s.id) : std::nullopt);
    return store.run();
}

bool RecordsDatabase::storeEntry(const ShowEntry& e, bool withId)
{
    SqlStatement ringRow(m_db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)");
    SqlStatement store(m_db,
                       "INSERT INTO show_entry (show_id, ring, class, collection, cage_number, half_points, award, "
                       "transferred, id) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    store.bind(1, e.show).bind(2, e.ring).bind(3, e.showClass).bind(4, maybe(e.collection));
    store.bind(5, maybe(e.cageNumber)).bind(6, maybe(e.halfPoints)).bind(7, e.award);
    store.bind(8, qint64(e.transferred)).bind(9, withId ? std::optional<qint64>(e.id) : std::nullopt);
    return ringRow.bind(1, e.ring).run() && store.run();
}

QString RecordsDatabase::addShowEvent(ShowEvent& show)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Ausstellung %1").arg(show.name);
    SqlTransaction change(m_db);
    if (!change.open() || !storeShowEvent(show, false))
        return failure(what);
    const qint64 id = sqlite3_last_insert_rowid(m_db);
    if (!change.commit())
        return failure(what);
    show.id = id;
    return {};
}

QString RecordsDatabase::changeShowEvent(const ShowEvent& s)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Ausstellung %1").arg(s.name);
    SqlTransaction change(m_db);
    SqlStatement store(m_db,
                       "UPDATE show_event SET name = ?, place = ?, date = ?, closing_date = ?, organiser = ?, "
                       "collection_rule = ? WHERE id = ?");
    store.bind(1, s.name).bind(2, s.place).bind(3, isoDate(s.date)).bind(4, isoDate(s.closingDate));
    store.bind(5, s.organiser).bind(6, qint64(s.collectionRule)).bind(7, s.id);
    if (!change.open() || !store.run() || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::removeShowEvent(qint64 id)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Löschen der Ausstellung");
    SqlTransaction change(m_db);
    SqlStatement remove(m_db, "DELETE FROM show_event WHERE id = ?");
    if (!change.open() || !remove.bind(1, id).run() || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::addEntries(std::vector<ShowEntry>& entries)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Meldung");
    SqlTransaction change(m_db);
    if (!change.open())
        return failure(what);
    std::vector<qint64> ids;
    for (const ShowEntry& e : entries) {
        if (!storeEntry(e, false))
            return failure(what);
        ids.push_back(sqlite3_last_insert_rowid(m_db));
    }
    if (!change.commit())
        return failure(what);
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].id = ids[i];
    return {};
}

QString RecordsDatabase::changeEntry(const ShowEntry& e)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Meldung von %1").arg(e.ring);
    SqlTransaction change(m_db);
    SqlStatement store(m_db,
                       "UPDATE show_entry SET class = ?, collection = ?, cage_number = ?, half_points = ?, award = ?, "
                       "transferred = ? WHERE id = ?");
    store.bind(1, e.showClass).bind(2, maybe(e.collection)).bind(3, maybe(e.cageNumber));
    store.bind(4, maybe(e.halfPoints)).bind(5, e.award).bind(6, qint64(e.transferred)).bind(7, e.id);
    if (!change.open() || !store.run() || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::removeEntry(qint64 id)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Löschen der Meldung");
    SqlTransaction change(m_db);
    SqlStatement remove(m_db, "DELETE FROM show_entry WHERE id = ?");
    if (!change.open() || !remove.bind(1, id).run() || !change.commit())
        return failure(what);
    return {};
}

QString RecordsDatabase::transferJudgedEntries(qint64 show, int* transferred)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Die Übernahme der Ergebnisse");
    const std::optional<ShowEvent> event = showEvent(show);
    if (!event)
        return failure(what);
    SqlTransaction change(m_db);
    if (!change.open())
        return failure(what);
    int count = 0;
    for (ShowEntry& e : entries(show)) {
        if (e.transferred || !e.halfPoints)
            continue;
        const ShowResult r {0, e.ring, event->date, event->name, e.showClass, *e.halfPoints, e.award, e.collection};
        SqlStatement mark(m_db, "UPDATE show_entry SET transferred = 1 WHERE id = ?");
        if (!storeShowResult(r, false) || !mark.bind(1, e.id).run())
            return failure(what);
        ++count;
    }
    if (!change.commit())
        return failure(what);
    if (transferred)
        *transferred = count;
    return {};
}

QString RecordsDatabase::replaceShowEvents(const std::vector<ShowEvent>& shows, const std::vector<ShowEntry>& entries)
{
    const QString what = QCoreApplication::translate("RecordsDatabase", "Das Zurücksetzen der Ausstellungen");
    SqlTransaction change(m_db);
    if (!change.open() || !runSql(m_db, "DELETE FROM show_event"))
        return failure(what);
    for (const ShowEvent& s : shows) {
        if (!storeShowEvent(s, true))
            return failure(what);
    }
    for (const ShowEntry& e : entries) {
        if (!storeEntry(e, true))
            return failure(what);
    }
    if (!change.commit())
        return failure(what);
    return {};
}
