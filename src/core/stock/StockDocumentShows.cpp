#include "core/records/RecordsDatabase.h"
#include "core/stock/StockChange.h"
#include "core/stock/StockDocument.h"

#include <QSet>

#include <algorithm>

// The shows the breeder enters birds for: the shows themselves, the entries
// and, after judging, the entries made the birds' show results.

namespace {

std::optional<ShowEntry> entryWithId(const std::vector<ShowEntry>& entries, qint64 id)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [id](const ShowEntry& e) { return e.id == id; });
    return found == entries.end() ? std::nullopt : std::optional<ShowEntry>(*found);
}

} // namespace

QString StockDocument::addShowEvent(ShowEvent& show)
{
    show.name = show.name.trimmed();
    if (show.name.isEmpty())
        return tr("Bitte den Namen der Ausstellung eingeben.");
    StockChange change(tr("Ausstellung %1 angelegt").arg(show.name));
    change.keepShows(*m_records);
    const QString failure = m_records->addShowEvent(show);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::changeShowEvent(ShowEvent show)
{
    show.name = show.name.trimmed();
    if (show.name.isEmpty())
        return tr("Bitte den Namen der Ausstellung eingeben.");
    StockChange change(tr("Ausstellung %1 geändert").arg(show.name));
    change.keepShows(*m_records);
    const QString failure = m_records->changeShowEvent(show);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::removeShowEvent(qint64 id)
{
    const std::optional<ShowEvent> show = m_records->showEvent(id);
    if (!show)
        return {};
    StockChange change(tr("Ausstellung %1 gelöscht").arg(show->name));
    change.keepShows(*m_records);
    const QString failure = m_records->removeShowEvent(id);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::enterForShow(qint64 showId, const QStringList& rings, const QString& showClass,
                                    bool asCollection)
{
    const std::optional<ShowEvent> show = m_records->showEvent(showId);
    if (!show)
        return tr("Diese Ausstellung gibt es nicht mehr.");
    QStringList chosen;
    for (const QString& ring : rings) {
        if (!lastActive(ring))
            return tr("Den Kanarienvogel %1 gibt es nicht im Bestand.").arg(ring);
        if (!chosen.contains(ring))
            chosen << ring;
    }
    if (chosen.isEmpty())
        return tr("Bitte zuerst die Vögel auswählen.");
    const std::vector<ShowEntry> earlier = m_records->entries(showId);
    std::optional<int> collection;
    if (asCollection) {
        int highest = 0;
        for (const ShowEntry& e : earlier)
            highest = std::max(highest, e.collection.value_or(0));
        collection = highest + 1;
    }
    std::vector<ShowEntry> entries;
    for (const QString& ring : chosen)
        entries.push_back({0, showId, ring, showClass.trimmed(), collection, {}, {}, {}, false});
    const QString text = entries.size() == 1 ? tr("Kanarienvogel %1 für %2 gemeldet").arg(chosen.front(), show->name)
                                             : (asCollection ? tr("Kollektion von %1 Kanarienvögeln für %2 gemeldet")
                                                             : tr("%1 Kanarienvögel für %2 gemeldet"))
                                                   .arg(entries.size())
                                                   .arg(show->name);
    StockChange change(text);
    for (const QString& ring : chosen)
        change.keepRecords(*m_records, ring);
    const QString failure = m_records->addEntries(entries);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::changeEntry(const ShowEntry& entry)
{
    if (entry.halfPoints && (*entry.halfPoints < 0 || *entry.halfPoints > 200))
        return tr("Die Punkte müssen zwischen 0 und 100 liegen.");
    StockChange change(tr("Meldung von %1 geändert").arg(entry.ring));
    change.keepRecords(*m_records, entry.ring);
    const QString failure = m_records->changeEntry(entry);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::removeEntry(qint64 showId, qint64 entryId)
{
    const std::optional<ShowEntry> entry = entryWithId(m_records->entries(showId), entryId);
    if (!entry)
        return {};
    StockChange change(tr("Meldung von %1 gelöscht").arg(entry->ring));
    change.keepRecords(*m_records, entry->ring);
    const QString failure = m_records->removeEntry(entryId);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}

QString StockDocument::transferShowResults(qint64 showId, int* transferred)
{
    const std::optional<ShowEvent> show = m_records->showEvent(showId);
    if (!show)
        return tr("Diese Ausstellung gibt es nicht mehr.");
    if (!show->date.isValid())
        return tr("Bitte zuerst das Datum der Ausstellung eingeben.");
    StockChange change(tr("Ergebnisse von %1 übernommen").arg(show->name));
    for (const ShowEntry& e : m_records->entries(showId)) {
        if (!e.transferred && e.halfPoints)
            change.keepRecords(*m_records, e.ring);
    }
    const QString failure = m_records->transferJudgedEntries(showId, transferred);
    if (failure.isEmpty())
        record(std::move(change), Records);
    return failure;
}
