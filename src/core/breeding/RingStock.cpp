#include "core/breeding/RingStock.h"

#include "core/model/Dates.h"
#include "core/season/BreedingCalendar.h"
#include "core/stock/StockDocument.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The number of a ring of this delivery, or nothing: the prefix, then exactly `digits` digits in the range.
std::optional<qint64> numberIn(const RingDelivery& d, const QString& ring)
{
    if (ring.size() != d.prefix.size() + d.digits || !ring.startsWith(d.prefix))
        return std::nullopt;
    bool ok = false;
    const qint64 n = ring.mid(d.prefix.size()).toLongLong(&ok);
    const bool digitsOnly
        = std::all_of(ring.begin() + d.prefix.size(), ring.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!ok || !digitsOnly || n < d.first || n > d.last)
        return std::nullopt;
    return n;
}

} // namespace

RingStock ringStock(const StockDocument& stock, std::optional<int> year)
{
    RingStock result;
    for (const RingDelivery& d : stock.records().ringDeliveries()) {
        if (!year || d.year == *year)
            result.ranges.push_back({d, 0});
    }
    if (result.ranges.empty())
        return result;
    std::vector<QSet<qint64>> worn(result.ranges.size());
    QHash<QString, int> wearers;
    for (const Animal& a : stock.animals()) {
        if (!a.isActive())
            continue;
        for (size_t r = 0; r < result.ranges.size(); ++r) {
            if (const std::optional<qint64> n = numberIn(result.ranges[r].delivery, a.ringNumber)) {
                worn[r].insert(*n);
                ++wearers[a.ringNumber];
                break;
            }
        }
    }
    for (size_t r = 0; r < result.ranges.size(); ++r)
        result.ranges[r].used = worn[r].size();
    for (auto it = wearers.cbegin(); it != wearers.cend(); ++it) {
        if (it.value() > 1)
            result.usedTwice << it.key();
    }
    result.usedTwice.sort();
    return result;
}

std::optional<QString> nextFreeRing(const StockDocument& stock, int year)
{
    for (const RingDelivery& d : stock.records().ringDeliveries()) {
        if (d.year != year)
            continue;
        for (qint64 n = d.first; n <= d.last; ++n) {
            if (!stock.lastActive(d.ring(n)))
                return d.ring(n);
        }
    }
    return std::nullopt;
}

int ringsToOrder(const StockDocument& stock, int season)
{
    int ringed = 0;
    for (const BreedingPair& pair : stock.pairs()) {
        if (pair.breedingStart == 0 || Dates::toDate(pair.breedingStart).year() != season)
            continue;
        for (const Clutch& clutch : pair.clutches)
            ringed += int(std::count_if(clutch.young.begin(), clutch.young.end(),
                                        [](const Youngster& y) { return y.isRinged(); }));
    }
    const int wanted = ringed + (ringed + 9) / 10;
    return (wanted + 9) / 10 * 10;
}

std::optional<RingShortage> ringShortage(const StockDocument& stock, const CalendarDays& days, const QDate& today)
{
    const RingStock rings = ringStock(stock, today.year());
    if (rings.ranges.empty())
        return std::nullopt;
    RingShortage shortage;
    for (const RingRangeUse& range : rings.ranges)
        shortage.free += range.free();
    shortage.eggs = eggsAwaitingRings(stock.pairs(), days, today);
    if (shortage.free >= shortage.eggs)
        return std::nullopt;
    return shortage;
}
