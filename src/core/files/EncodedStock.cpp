#include "core/files/EncodedStock.h"

#include "core/files/StockFile.h"

#include <algorithm>

void EncodedStock::invalidateAll()
{
    invalidateFrom(0);
}

void EncodedStock::invalidate(size_t position)
{
    const size_t chunk = position / kAnimalsPerChunk;
    if (chunk < m_stale.size()) {
        m_stale[chunk] = 1;
        m_firstStale = std::min(m_firstStale, chunk);
    }
}

void EncodedStock::invalidateFrom(size_t position)
{
    const size_t chunk = position / kAnimalsPerChunk;
    if (chunk < m_stale.size())
        std::fill(m_stale.begin() + qsizetype(chunk), m_stale.end(), 1);
    m_firstStale = std::min(m_firstStale, chunk);
}

bool EncodedStock::encode(const AnimalTable& animals, QDeadlineTimer deadline)
{
    if (animals.size() != m_count) {
        // A count that changed unannounced: the chunk where the tables part and all after it.
        invalidateFrom(std::min(animals.size(), m_count));
        m_count = animals.size();
        const size_t chunks = (m_count + kAnimalsPerChunk - 1) / kAnimalsPerChunk;
        m_chunks.resize(chunks);
        m_stale.resize(chunks, 1);
    }
    for (size_t chunk = m_firstStale; chunk < m_stale.size(); ++chunk) {
        m_firstStale = chunk;
        if (!m_stale[chunk])
            continue;
        if (deadline.hasExpired())
            return false;
        const Animal* first = animals.data() + chunk * kAnimalsPerChunk;
        const Animal* last = animals.data() + std::min(animals.size(), (chunk + 1) * kAnimalsPerChunk);
        m_chunks[chunk] = StockFile::encodeAnimals(first, last);
        m_stale[chunk] = 0;
    }
    m_firstStale = m_stale.size();
    return true;
}

bool EncodedStock::upToDate(const AnimalTable& animals) const
{
    return animals.size() == m_count && m_firstStale >= m_stale.size();
}

std::function<bool(QIODevice&)> EncodedStock::writer(const PrintSettings& print, const BreederData& breeder) const
{
    return [chunks = m_chunks, count = qint32(m_count), print, breeder](QIODevice& device) {
        return StockFile::write(device, count, chunks, print, breeder);
    };
}
