#include "core/analysis/Kinship.h"

#include <numeric>
#include <unordered_map>

namespace {

// f(u, v) between places of a parents-first order, worked out from the later one's parents and remembered.
class PairKinship
{
public:
    explicit PairKinship(const std::vector<ParentPlaces>& parents) : m_parents(parents) { }

    double operator()(qsizetype u, qsizetype v)
    {
        if (u < 0 || v < 0)
            return 0.0;
        if (u < v)
            std::swap(u, v); // u is the later one: never an ancestor of v
        const quint64 key = (quint64(u) << 32) | quint64(v);
        if (const auto it = m_known.find(key); it != m_known.end())
            return it->second;
        const ParentPlaces& p = m_parents[size_t(u)];
        const double f
            = u == v ? 0.5 * (1.0 + (*this)(p.father, p.mother)) : 0.5 * ((*this)(p.father, v) + (*this)(p.mother, v));
        m_known.emplace(key, f);
        return f;
    }

private:
    const std::vector<ParentPlaces>& m_parents;
    std::unordered_map<quint64, double> m_known;
};

} // namespace

KinshipCalculator::KinshipCalculator(const AnimalTable& animals, const RingIndex& index)
{
    std::vector<qsizetype> everyone(animals.size());
    std::iota(everyone.begin(), everyone.end(), qsizetype(0));
    m_order = orderParentsFirst(animals, index, everyone);
    m_placeOf.assign(animals.size(), -1);
    for (size_t place = 0; place < m_order.animals.size(); ++place)
        m_placeOf[size_t(m_order.animals[place])] = qsizetype(place);
}

std::vector<double> KinshipCalculator::withAll(qsizetype animal) const
{
    const size_t n = m_order.animals.size();
    std::vector<double> byAnimal(m_placeOf.size(), 0.0);
    if (animal < 0 || size_t(animal) >= m_placeOf.size())
        return byAnimal;
    const qsizetype x = m_placeOf[size_t(animal)];

    // x and its ancestors: their kinship with x comes from the pairs among them.
    std::vector<bool> ancestry(n, false);
    std::vector<qsizetype> open {x};
    while (!open.empty()) {
        const qsizetype p = open.back();
        open.pop_back();
        if (p < 0 || ancestry[size_t(p)])
            continue;
        ancestry[size_t(p)] = true;
        open.push_back(m_order.parents[size_t(p)].father);
        open.push_back(m_order.parents[size_t(p)].mother);
    }
    PairKinship pairs(m_order.parents);
    std::vector<double> withX(n, 0.0);
    auto of = [&withX](qsizetype place) {
        return place < 0 ? 0.0 : withX[size_t(place)];
    };
    for (size_t q = 0; q < n; ++q) {
        const ParentPlaces& p = m_order.parents[q];
        withX[q] = ancestry[q] ? pairs(x, qsizetype(q)) : 0.5 * (of(p.father) + of(p.mother));
    }
    for (size_t q = 0; q < n; ++q)
        byAnimal[size_t(m_order.animals[q])] = withX[q];
    return byAnimal;
}
