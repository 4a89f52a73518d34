#include "core/records/RecordsDatabase.h"
#include "core/stock/StockChange.h"
#include "core/stock/StockDocument.h"

#include <QSet>

// The document's changes that reach only the records database: no data file changes with them.

QString StockDocument::moveAnimals(const QStringList& rings, const QString& location, const QDate& date)
{
    const QString place = location.trimmed();
    std::vector<std::pair<QString, AnimalRecordChange>> moves;
    QSet<QString> seen;
    for (const QString& ring : rings) {
        if (seen.contains(ring) || !lastActive(ring))
            continue;
        seen.insert(ring);
        const std::optional<LocationMove> current = m_records->currentLocation(ring);
        if (place != (current ? current->location : QString()))
            moves.push_back({ring, {.move = LocationMove {0, ring, date, place}}});
    }
    if (moves.empty())
        return {};
    const QString text = moves.size() == 1
        ? (place.isEmpty() ? tr("Kanarienvogel %1 aus seinem Standort genommen").arg(moves.front().first)
                           : tr("Kanarienvogel %1 nach %2 umgesetzt").arg(moves.front().first, place))
        : (place.isEmpty() ? tr("%1 Kanarienvögel aus ihrem Standort genommen").arg(moves.size())
                           : tr("%1 Kanarienvögel nach %2 umgesetzt").arg(moves.size()).arg(place));
    StockChange change(text);
    for (const auto& [ring, wanted] : moves)
        change.keepRecords(*m_records, ring);
    const QString failure = m_records->changeRecords(moves);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::addShowResult(ShowResult& result)
{
    StockChange change(tr("Ausstellungsergebnis von %1 eingetragen").arg(result.ring));
    change.keepRecords(*m_records, result.ring);
    const QString failure = m_records->addShowResult(result);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::changeShowResult(const ShowResult& result)
{
    StockChange change(tr("Ausstellungsergebnis von %1 geändert").arg(result.ring));
    change.keepRecords(*m_records, result.ring);
    const QString failure = m_records->changeShowResult(result);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::removeShowResult(qint64 id)
{
    const QString ring = m_records->ringOfShowResult(id);
    StockChange change(tr("Ausstellungsergebnis von %1 gelöscht").arg(ring));
    change.keepRecords(*m_records, ring);
    const QString failure = m_records->removeShowResult(id);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::replaceRecords(const QString& copy)
{
    const QString failure = m_records->replaceFrom(copy);
    if (failure.isEmpty()) {
        clearHistory();
        notify(Records);
    }
    return failure;
}

QString StockDocument::addRingDelivery(RingDelivery delivery)
{
    const QString problem = ringDeliveryProblem(delivery, m_records->ringDeliveries());
    if (!problem.isEmpty())
        return problem;
    StockChange change(
        tr("Ringe %1 bis %2 eingetragen").arg(delivery.ring(delivery.first), delivery.ring(delivery.last)));
    change.keepRingDeliveries(*m_records);
    const QString failure = m_records->addRingDelivery(delivery);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::removeRingDelivery(qint64 id)
{
    StockChange change(tr("Ringlieferung gelöscht"));
    change.keepRingDeliveries(*m_records);
    const QString failure = m_records->removeRingDelivery(id);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}
