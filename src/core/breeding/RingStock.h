#pragma once

#include "core/model/AnimalRecords.h"
#include "core/model/CalendarDays.h"

#include <QDate>

#include <QStringList>

#include <optional>
#include <vector>

class StockDocument;

// The club rings on hand: which rings of each delivery are on a bird of the
// stock, which is the next one free, and how many to order for next year.

struct RingRangeUse
{
    RingDelivery delivery;
    qint64 used = 0; // numbers of the range worn by an active bird
    qint64 free() const { return delivery.count() - used; }
};

struct RingStock
{
    std::vector<RingRangeUse> ranges; // by year, then as entered
    QStringList usedTwice; // rings of a delivery worn by more than one active bird, alphabetical
};

// The deliveries (of one year, or all) and their use, from one pass over the stock.
RingStock ringStock(const StockDocument& stock, std::optional<int> year = {});

// The lowest free number of the year's deliveries, in the order they were entered; none when all are used.
std::optional<QString> nextFreeRing(const StockDocument& stock, int year);

// The rings to order for the year after `season`: the young ringed in the
// season's pairs, a tenth more for losses and late clutches, in whole tens.
int ringsToOrder(const StockDocument& stock, int season);

// Fewer rings of the year left than eggs that will need one.
struct RingShortage
{
    int eggs = 0;
    qint64 free = 0;
};

// The shortage on `today`, or none when the rings suffice or none were entered for the year.
std::optional<RingShortage> ringShortage(const StockDocument& stock, const CalendarDays& days, const QDate& today);
