#include "core/season/SeasonStatistics.h"

#include "core/model/Dates.h"

#include <algorithm>

std::optional<double> BreedingFigures::hatchRate() const
{
    return eggs == 0 ? std::nullopt : std::optional<double>(double(hatched) / eggs);
}

std::optional<double> BreedingFigures::rearingRate() const
{
    return hatched == 0 ? std::nullopt : std::optional<double>(double(weaned) / hatched);
}

BreedingFigures& BreedingFigures::operator+=(const BreedingFigures& o)
{
    clutches += o.clutches;
    eggs += o.eggs;
    hatched += o.hatched;
    ringed += o.ringed;
    weaned += o.weaned;
    return *this;
}

BreedingFigures figuresOf(const BreedingPair& pair)
{
    BreedingFigures f;
    for (const Clutch& clutch : pair.clutches) {
        if (!clutch.young.empty())
            ++f.clutches;
        for (const Youngster& y : clutch.young) {
            ++f.eggs;
            f.hatched += y.hatched != 0 || y.isRinged();
            f.ringed += y.isRinged();
            f.weaned += y.weaned != 0;
        }
    }
    return f;
}

std::optional<int> seasonOf(const BreedingPair& pair)
{
    if (pair.breedingStart != 0)
        return Dates::toDate(pair.breedingStart).year();
    if (!pair.clutches.empty() && pair.clutches.front().firstEgg != 0)
        return Dates::toDate(pair.clutches.front().firstEgg).year();
    return std::nullopt;
}

std::vector<PairFigures> pairFigures(const PairTable& pairs, std::optional<int> season)
{
    std::vector<PairFigures> found;
    for (size_t p = 0; p < pairs.size(); ++p) {
        const std::optional<int> own = seasonOf(pairs[p]);
        if (own && (!season || *own == *season))
            found.push_back({int(p), *own, figuresOf(pairs[p])});
    }
    return found;
}

std::vector<int> seasons(const PairTable& pairs)
{
    std::vector<int> years;
    for (const BreedingPair& pair : pairs) {
        if (const std::optional<int> year = seasonOf(pair);
            year && std::find(years.begin(), years.end(), *year) == years.end())
            years.push_back(*year);
    }
    std::sort(years.rbegin(), years.rend());
    return years;
}

AnimalTotals animalTotals(const PairTable& pairs)
{
    AnimalTotals totals;
    for (const BreedingPair& pair : pairs) {
        const BreedingFigures f = figuresOf(pair);
        totals.cocks[pair.cockRing] += f;
        totals.hens[pair.henRing] += f;
    }
    return totals;
}
