#pragma once

#include "storage/Records.h"

#include <QStringList>

#include <array>

// The descendants of an animal over four generations, in the order a walk
// through the table finds them: children as every link finds them (a child
// whose father and mother are both the animal is listed twice), the deeper
// generations once each. Deleted animals have no parent links, so they are
// never found; sold ones are.
struct Descendants
{
    std::array<QStringList, 4> generations; // children, grandchildren, great- and great-great-grandchildren
};

// Walks an index from parent ring to children built once for the search.
Descendants findDescendants(const AnimalTable& animals, const QString& ring);

// The same walk by a full scan of the table per found parent: the reference
// the indexed walk is tested and measured against.
Descendants findDescendantsByScan(const AnimalTable& animals, const QString& ring);
