#include "core/stock/PedigreeOrder.h"

#include "core/stock/RingIndex.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Where each animal met stands: a table indexed by position for a walk over
// much of the stock, a hash for a walk over a few ancestors.
class Places
{
public:
    static constexpr qsizetype kUnseen = -1;
    static constexpr qsizetype kOpen = -2; // being visited: meeting it again closes a cycle

    Places(size_t animals, size_t start) : m_dense(start * 16 > animals)
    {
        if (m_dense)
            m_table.assign(animals, kUnseen);
        else
            m_hash.reserve(start * 8);
    }

    qsizetype get(qsizetype animal) const
    {
        if (m_dense)
            return m_table[size_t(animal)];
        const auto it = m_hash.find(animal);
        return it == m_hash.end() ? kUnseen : it->second;
    }
    void set(qsizetype animal, qsizetype place)
    {
        if (m_dense)
            m_table[size_t(animal)] = place;
        else
            m_hash[animal] = place;
    }

private:
    bool m_dense;
    std::vector<qsizetype> m_table;
    std::unordered_map<qsizetype, qsizetype> m_hash;
};

} // namespace

qsizetype PedigreeOrder::placeOf(qsizetype animal) const
{
    const auto it = std::find(animals.begin(), animals.end(), animal);
    return it == animals.end() ? -1 : qsizetype(it - animals.begin());
}

PedigreeOrder orderParentsFirst(const AnimalTable& animals, const RingIndex& index, const std::vector<qsizetype>& start)
{
    // Depth-first over the parents; an ancestor met again while it is still
    // being visited closes a cycle, and that link is cut.
    PedigreeOrder order;
    Places place(animals.size(), start.size());
    auto parentOf = [&](qsizetype animal, int which) {
        const QString& ring = which == 0 ? animals[size_t(animal)].fatherRing : animals[size_t(animal)].motherRing;
        return ring.isEmpty() ? qsizetype(-1) : index.lastWith(ring);
    };
    struct Visit
    {
        qsizetype animal;
        int next; // parents looked at so far
        ParentPlaces kept; // the parents' table positions while open
    };
    std::vector<Visit> stack;
    for (const qsizetype root : start) {
        if (root < 0 || place.get(root) != Places::kUnseen)
            continue;
        stack.push_back({root, 0, {}});
        place.set(root, Places::kOpen);
        while (!stack.empty()) {
            Visit& visit = stack.back();
            if (visit.next == 2) {
                const ParentPlaces links = visit.kept;
                const qsizetype animal = visit.animal;
                stack.pop_back();
                place.set(animal, qsizetype(order.animals.size()));
                order.animals.push_back(animal);
                order.parents.push_back(
                    {links.father < 0 ? -1 : place.get(links.father), links.mother < 0 ? -1 : place.get(links.mother)});
                continue;
            }
            const int which = visit.next++;
            const qsizetype parent = parentOf(visit.animal, which);
            if (parent < 0)
                continue;
            const qsizetype known = place.get(parent);
            if (known == Places::kOpen) {
                order.cycleCut = true;
                continue;
            }
            (which == 0 ? visit.kept.father : visit.kept.mother) = parent;
            if (known == Places::kUnseen) {
                place.set(parent, Places::kOpen);
                stack.push_back({parent, 0, {}});
            }
        }
    }
    return order;
}
