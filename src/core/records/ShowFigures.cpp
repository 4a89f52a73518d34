#include "core/records/ShowFigures.h"

#include <algorithm>

namespace {

bool sameCollection(const ShowResult& r, const CollectionTotal& t)
{
    return r.collection && *r.collection == t.collection && r.show == t.show && r.date == t.date;
}

} // namespace

std::vector<CollectionTotal> collectionTotals(const std::vector<ShowResult>& results)
{
    std::vector<CollectionTotal> totals;
    for (const ShowResult& r : results) {
        if (!r.collection)
            continue;
        auto it = std::find_if(totals.begin(), totals.end(),
                               [&r](const CollectionTotal& t) { return sameCollection(r, t); });
        if (it == totals.end())
            it = totals.insert(totals.end(), {r.show, r.date, *r.collection, 0, 0});
        ++it->entries;
        it->halfPoints += r.halfPoints;
    }
    return totals;
}

std::optional<CollectionTotal> collectionOf(const ShowResult& result, const std::vector<ShowResult>& results)
{
    if (!result.collection)
        return std::nullopt;
    for (const CollectionTotal& t : collectionTotals(results)) {
        if (sameCollection(result, t))
            return t;
    }
    return std::nullopt;
}

std::optional<ShowResult> bestResult(const std::vector<ShowResult>& results)
{
    std::optional<ShowResult> best;
    for (const ShowResult& r : results) {
        if (!best || r.halfPoints > best->halfPoints || (r.halfPoints == best->halfPoints && r.date > best->date))
            best = r;
    }
    return best;
}
