#include "core/stock/RingIndex.h"

RingIndex::RingIndex(const AnimalTable& animals)
{
    m_last.reserve(qsizetype(animals.size()));
    m_lastActive.reserve(qsizetype(animals.size()));
    for (size_t i = 0; i < animals.size(); ++i) {
        m_last.insert(animals[i].ringNumber, qsizetype(i));
        if (animals[i].isActive())
            m_lastActive.insert(animals[i].ringNumber, qsizetype(i));
    }
}
