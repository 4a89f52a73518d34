#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <array>
#include <memory>

// The descendants of an animal over four generations, in the order a walk
// through the table finds them: children as every link finds them (a child
// whose father and mother are both the animal is listed twice), the deeper
// generations once each. Deleted animals have no parent links, so they are
// never found; sold ones are.
struct Descendants
{
    std::array<QStringList, 4> generations; // children, grandchildren, great- and great-great-grandchildren
};

// Walks an index from parent ring to children. The index is built once for
// a table and serves every search until the table changes.
class DescendantsFinder
{
public:
    explicit DescendantsFinder(const AnimalTable& animals);
    ~DescendantsFinder();

    Descendants find(const QString& ring) const;

private:
    class ChildIndex;
    const AnimalTable& m_animals;
    std::unique_ptr<ChildIndex> m_index;
};

// One search: the index is built for it and dropped afterwards.
Descendants findDescendants(const AnimalTable& animals, const QString& ring);
