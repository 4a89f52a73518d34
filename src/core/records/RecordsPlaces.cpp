#include "core/records/RecordsDatabase.h"

#include "core/records/SqlRows.h"
#include "core/records/SqlStatement.h"

// Where each bird sits: its moves, newest last.

namespace {

LocationMove moveFrom(const SqlStatement& row)
{
    return {row.number(0), row.text(1), fromIso(row.text(2)), row.text(3)};
}

QByteArray moveQuery(const char* condition)
{
    return QByteArrayLiteral("SELECT id, ring, date, location FROM location_move ") + condition;
}

} // namespace

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
