#include "core/stock/RingIndex.h"

void RingIndex::rebuild(const AnimalTable& animals)
{
    m_last.clear();
    m_last.reserve(qsizetype(animals.size()));
    for (size_t i = 0; i < animals.size(); ++i)
        m_last.insert(animals[i].ringNumber, qsizetype(i));
    m_data = animals.data();
    m_size = animals.size();
    m_valid = true;
}

qsizetype RingIndex::lastWith(const AnimalTable& animals, const QString& ring)
{
    if (!m_valid || m_data != animals.data() || m_size != animals.size())
        rebuild(animals);
    qsizetype found = m_last.value(ring, -1);
    if (found >= 0 && animals[size_t(found)].ringNumber != ring) {
        rebuild(animals);
        found = m_last.value(ring, -1);
    }
    return found;
}
