#pragma once

#include "core/model/AnimalRecords.h"

#include <optional>
#include <vector>

// What show results add up to.

// A collection: the entries of one breeder at one show that carry the same
// collection number, judged together as the sum of their points.
struct CollectionTotal
{
    QString show;
    QDate date;
    int collection = 0;
    int entries = 0;
    int halfPoints = 0; // the sum, in half points

    bool operator==(const CollectionTotal&) const = default;
};

// One total per collection, in the order the collections are first met.
std::vector<CollectionTotal> collectionTotals(const std::vector<ShowResult>& results);

// The total of the collection a result belongs to, if it belongs to one.
std::optional<CollectionTotal> collectionOf(const ShowResult& result, const std::vector<ShowResult>& results);

// A bird's best result: the most points, the later show where points are equal.
std::optional<ShowResult> bestResult(const std::vector<ShowResult>& results);
