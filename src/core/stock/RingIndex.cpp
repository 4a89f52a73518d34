#include "core/stock/RingIndex.h"

RingIndex::RingIndex(const AnimalTable& animals)
{
    m_entries.reserve(qsizetype(animals.size()));
    for (size_t i = 0; i < animals.size(); ++i) {
        Entry& entry = m_entries[animals[i].ringNumber];
        entry.last = qsizetype(i);
        if (animals[i].isActive())
            entry.lastActive = qsizetype(i);
    }
}
