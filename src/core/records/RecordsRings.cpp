#include "core/records/RecordsDatabase.h"

#include "core/records/SqlRows.h"
#include "core/records/SqlStatement.h"

#include <QCoreApplication>

#include <sqlite3.h>

// The club rings delivered per year.

namespace {

RingDelivery deliveryFrom(const SqlStatement& row)
{
    return {row.number(0), int(row.number(1)), row.text(2),   row.text(3),       row.text(4),
            row.text(5),   row.number(6),      row.number(7), int(row.number(8))};
}

} // namespace

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
