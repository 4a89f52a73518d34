#include "core/stock/DescendantsFinder.h"

#include "core/stock/RingHash.h"

#include <QHash>

#include <vector>

// Parent ring -> the records linking to it, in table order; a record whose
// father and mother are both that ring stands there twice. Links are bucketed
// by the hash of their ring (a stable counting sort keeps table order within
// a bucket), so building it costs one pass and no allocation per parent.
class DescendantsFinder::ChildIndex
{
public:
    explicit ChildIndex(const AnimalTable& animals) : m_animals(animals)
    {
        std::vector<quint32> hashes;
        hashes.reserve(animals.size() * 2);
        std::vector<quint32> links; // record * 2, + 1 for a mother link
        links.reserve(animals.size() * 2);
        for (size_t i = 0; i < animals.size(); ++i) {
            if (!animals[i].fatherRing.isEmpty()) {
                hashes.push_back(ringHash(animals[i].fatherRing));
                links.push_back(quint32(2 * i));
            }
            if (!animals[i].motherRing.isEmpty()) {
                hashes.push_back(ringHash(animals[i].motherRing));
                links.push_back(quint32(2 * i + 1));
            }
        }
        quint32 buckets = 16;
        while (buckets < links.size())
            buckets *= 2;
        m_mask = buckets - 1;
        m_start.assign(buckets + 1, 0);
        for (const quint32 h : hashes)
            ++m_start[(h & m_mask) + 1];
        for (size_t b = 1; b < m_start.size(); ++b)
            m_start[b] += m_start[b - 1];
        std::vector<quint32> fill(m_start.begin(), m_start.end() - 1);
        m_links.resize(links.size());
        for (size_t k = 0; k < links.size(); ++k)
            m_links[size_t(fill[hashes[k] & m_mask]++)] = {links[k], hashes[k]};
    }

    // Calls visit(record) for each link to ring (whose ringHash is hash), in table order.
    template<typename Visit> void forEachChild(const QString& ring, quint32 hash, Visit visit) const
    {
        const quint32 bucket = hash & m_mask;
        for (quint32 k = m_start[bucket]; k < m_start[bucket + 1]; ++k) {
            // The full hash first: other rings in the bucket are passed without reading them.
            if (m_links[k].hash != hash)
                continue;
            const quint32 link = m_links[k].link;
            const Animal& r = m_animals[size_t(link / 2)];
            if ((link % 2 ? r.motherRing : r.fatherRing) == ring)
                visit(qsizetype(link / 2));
        }
    }

private:
    const AnimalTable& m_animals;
    quint32 m_mask = 0;
    struct Link
    {
        quint32 link; // record * 2, + 1 for a mother link
        quint32 hash; // ringHash of the linked ring
    };
    std::vector<quint32> m_start;
    std::vector<Link> m_links;
};

namespace {

// The deeper generations list each ring once: a hash of the rings listed so
// far answers "already there?" without comparing against the whole list.
struct Generations
{
    Descendants found;
    std::array<QHash<quint32, qsizetype>, 4> listed; // ring hash -> first position with that hash

    // False when the ring was listed in this generation already.
    bool add(const QString& ring, quint32 h, int generation)
    {
        QStringList& list = found.generations[size_t(generation - 1)];
        if (generation > 1) {
            auto& seen = listed[size_t(generation - 1)];
            const auto it = seen.constFind(h);
            if (it != seen.constEnd()) {
                // The same hash: the same ring, or (rarely) another ring with that hash.
                if (list[it.value()] == ring || list.indexOf(ring, it.value()) >= 0)
                    return false;
            } else {
                seen.insert(h, list.size());
            }
        }
        list.append(ring);
        return true;
    }
};

template<typename Index>
void walk(const AnimalTable& animals, const Index& index, const QString& parent, quint32 parentHash, int generation,
          Generations& result)
{
    if (parent.isEmpty())
        return;
    index.forEachChild(parent, parentHash, [&](qsizetype i) {
        const QString& ring = animals[size_t(i)].ringNumber;
        const quint32 h = ringHash(ring);
        // A ring met again in the same generation was walked from there the first time:
        // its descendants are listed already, each generation keeping each ring once.
        if (result.add(ring, h, generation) && generation < 4)
            walk(animals, index, ring, h, generation + 1, result);
    });
}

} // namespace

DescendantsFinder::DescendantsFinder(const AnimalTable& animals)
    : m_animals(animals), m_index(std::make_unique<ChildIndex>(animals))
{ }

DescendantsFinder::~DescendantsFinder() = default;

Descendants DescendantsFinder::find(const QString& ring) const
{
    Generations result;
    walk(m_animals, *m_index, ring, ringHash(ring), 1, result);
    return result.found;
}

Descendants findDescendants(const AnimalTable& animals, const QString& ring)
{
    return DescendantsFinder(animals).find(ring);
}
