// The document's look-ups through indexes, and the suggestion lists with the listed marks they set.
#include "core/stock/StockDocument.h"

#include "core/stock/AnimalQueries.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/ListedMarks.h"
#include "core/stock/RingIndex.h"

const RingIndex& StockDocument::ringIndex() const
{
    if (!m_ringIndex)
        m_ringIndex = std::make_unique<RingIndex>(m_db.animals);
    return *m_ringIndex;
}

const DescendantsFinder& StockDocument::descendants() const
{
    if (!m_descendants)
        m_descendants = std::make_unique<DescendantsFinder>(m_db.animals);
    return *m_descendants;
}

const std::vector<qsizetype>& StockDocument::alphabeticalRingOrder() const
{
    if (!m_alphabetical)
        m_alphabetical = std::make_unique<std::vector<qsizetype>>(::alphabeticalRingOrder(m_db.animals));
    return *m_alphabetical;
}

const Animal* StockDocument::lastActive(const QString& ring) const
{
    const qsizetype i = ringIndex().lastActiveWith(ring);
    return i < 0 ? nullptr : &m_db.animals[size_t(i)];
}

const QStringList& StockDocument::certificateCandidates()
{
    return m_candidates.rings(m_db.animals);
}

QStringList StockDocument::offerValues(QString Animal::*field)
{
    std::vector<size_t> changed;
    QStringList values = m_offered.offer(m_db.animals, field, changed);
    markedAt(changed);
    return values;
}

void StockDocument::markedAt(const std::vector<size_t>& positions)
{
    if (positions.empty())
        return;
    for (const size_t position : positions)
        m_encoded.invalidate(position);
    notify(ListedMarks, KeepNone, true);
}

void StockDocument::unmarkForYearList(const std::optional<QString>& breed)
{
    markedAt(::unmarkForYearList(m_db.animals, breed));
    m_offered.marksChangedElsewhere();
}
