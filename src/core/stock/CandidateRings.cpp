#include "core/stock/CandidateRings.h"

#include "core/model/Alphabetical.h"

#include <algorithm>

namespace {

bool listed(const Animal& a)
{
    return a.active != 0 && a.sold == 0;
}

// Up to this many animals put back are each inserted by itself; more are merged in one pass.
constexpr size_t kInsertedOneByOne = 8;

} // namespace

void CandidateRings::reset()
{
    m_built = false;
    m_order.clear();
    m_listed.clear();
    m_listedRing.clear();
    m_rings.clear();
    m_ringsCurrent = false;
    ++m_version;
}

void CandidateRings::build(const AnimalTable& animals)
{
    // Gathered in table order and sorted as one list: the rings' texts are
    // reached one after another, not in alphabetical leaps across the stock.
    // Only positions are gathered: a copy of every ring would be memory the
    // start has to get from the system.
    std::vector<qsizetype> positions;
    positions.reserve(animals.size());
    m_listed.assign(animals.size(), false);
    for (size_t i = 0; i < animals.size(); ++i) {
        if (listed(animals[i])) {
            positions.push_back(qsizetype(i));
            m_listed[i] = true;
        }
    }
    m_order = alphabeticalPermutation(qsizetype(positions.size()), [&](qsizetype i) -> const QString& {
        return animals[size_t(positions[size_t(i)])].ringNumber;
    });
    for (qsizetype& at : m_order)
        at = positions[size_t(at)];
    m_listedRing.clear(); // made at the first change: the start need not wait for it
    m_built = true;
    m_ringsCurrent = false; // the texts follow in rings()
    ++m_version;
}

// The full sort's order: alphabetical, equal rings by their place in the table.
bool CandidateRings::before(const AnimalTable& animals, qsizetype a, qsizetype b) const
{
    const int c = compareAlphabetically(animals[size_t(a)].ringNumber, animals[size_t(b)].ringNumber);
    return c < 0 || (c == 0 && a < b);
}

const QStringList& CandidateRings::rings(const AnimalTable& animals)
{
    if (!m_built)
        build(animals);
    if (!m_ringsCurrent) {
        m_rings.clear();
        m_rings.reserve(qsizetype(m_order.size()));
        for (const qsizetype i : m_order)
            m_rings.append(animals[size_t(i)].ringNumber);
        m_ringsCurrent = true;
    }
    return m_rings;
}

void CandidateRings::follow(const AnimalTable& animals, const AnimalsReached& reached)
{
    if (!m_built)
        return;
    if (reached.all) {
        reset();
        return;
    }
    const size_t size = animals.size();
    const size_t had = m_listed.size();
    // Everything from here on was appended, removed or moved up.
    const size_t rest = std::min({reached.from.value_or(had), had, size});
    // A change that left a listed animal's ring and its being listed as they
    // were (its remarks, its colour) leaves the list as it was. Before the
    // first change nothing records the rings listed: the animals reached go
    // back in any case.
    const bool mirrored = m_listedRing.size() == had;
    auto unchanged = [&](size_t p) {
        const bool now = listed(animals[p]);
        return mirrored && now == m_listed[p] && (!now || m_listedRing[p] == animals[p].ringNumber);
    };
    std::vector<bool> again(std::min(had, size), false);
    bool anyAgain = false;
    for (const size_t p : reached.positions) {
        if (p < rest && !unchanged(p)) {
            again[p] = true;
            anyAgain = true;
        }
    }
    if (!mirrored) {
        m_listedRing.assign(had, QString());
        for (size_t p = 0; p < std::min(had, size); ++p) {
            if (m_listed[p])
                m_listedRing[p] = animals[p].ringNumber;
        }
    }
    if (!anyAgain && rest == had && rest == size)
        return;
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(),
                                 [&](qsizetype p) { return size_t(p) >= rest || again[size_t(p)]; }),
                  m_order.end());
    m_listed.resize(size, false);
    m_listedRing.resize(size);
    std::vector<qsizetype> back;
    auto putBack = [&](size_t p) {
        m_listed[p] = listed(animals[p]);
        m_listedRing[p] = m_listed[p] ? animals[p].ringNumber : QString();
        if (m_listed[p])
            back.push_back(qsizetype(p));
    };
    for (const size_t p : reached.positions) {
        if (p < rest && again[p]) {
            again[p] = false; // a position reported twice goes back once
            putBack(p);
        }
    }
    for (size_t p = rest; p < size; ++p)
        putBack(p);
    m_ringsCurrent = false;
    ++m_version;
    auto less = [&](qsizetype a, qsizetype b) {
        return before(animals, a, b);
    };
    if (back.size() <= kInsertedOneByOne) {
        for (const qsizetype p : back)
            m_order.insert(std::upper_bound(m_order.begin(), m_order.end(), p, less), p);
        return;
    }
    // Each goes where a search of the list puts it: few comparisons, one pass of copying.
    std::sort(back.begin(), back.end(), less);
    std::vector<qsizetype> merged;
    merged.reserve(m_order.size() + back.size());
    auto from = m_order.begin();
    for (const qsizetype p : back) {
        const auto at = std::upper_bound(from, m_order.end(), p, less);
        merged.insert(merged.end(), from, at);
        merged.push_back(p);
        from = at;
    }
    merged.insert(merged.end(), from, m_order.end());
    m_order = std::move(merged);
}
