#pragma once

#include "core/model/StockData.h"

#include <QByteArray>
#include <QDeadlineTimer>

#include <functional>
#include <vector>

class QIODevice;

// The stock file's animal records kept encoded beside the stock, in chunks
// of a few thousand animals. A change encodes again only the chunks it
// reached, and a background save takes the chunks as they are (Qt's
// implicit sharing: a handful of pointers), so the editing thread never
// copies or encodes the whole stock for it.
class EncodedStock
{
public:
    static constexpr size_t kAnimalsPerChunk = 2048;

    // What no change reported by position: everything is encoded again.
    void invalidateAll();
    void invalidate(size_t position);
    // The animals from here on were appended or removed.
    void invalidateFrom(size_t position);

    // Encodes what is out of date, chunk by chunk, until the deadline has
    // passed; true when every animal of the table is encoded as it is.
    bool encode(const AnimalTable& animals, QDeadlineTimer deadline);
    bool upToDate(const AnimalTable& animals) const;
    // Whether anything has been encoded yet.
    bool started() const { return !m_chunks.empty(); }

    // The stock file's bytes of the animals encoded now and the given tail,
    // to be written on any thread. Needs upToDate().
    std::function<bool(QIODevice&)> writer(const PrintSettings& print, const BreederData& breeder) const;

private:
    std::vector<QByteArray> m_chunks;
    std::vector<char> m_stale; // per chunk
    size_t m_count = 0; // animals the chunks were made for
    size_t m_firstStale = 0; // no chunk before it is stale
};
