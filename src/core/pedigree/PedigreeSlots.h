#pragma once

#include "core/model/StockData.h"
#include "core/stock/RingIndex.h"

#include <array>

// The 30 ancestors of a certificate in heap order: slot 1 father, slot 2
// mother; slot 2k+1 and 2k+2 are father and mother of slot k. A slot holds
// the position of the animal in the table, or -1 when no ancestor was found.
struct PedigreeSlots
{
    static constexpr int kCount = 30;
    std::array<qsizetype, kCount + 1> index; // index[0] unused

    PedigreeSlots() { index.fill(-1); }
    bool empty(int slot) const { return index[slot] < 0; }
    bool operator==(const PedigreeSlots&) const = default;
};

// Generation of a slot: 1 parents, 2 grandparents, 3 and 4 the outer ones.
int generationOf(int slot);

// The ancestors of subject, each the last record in table order with the
// parent's ring (deleted records too, as they stay until the stock is
// sorted), with its own ancestors behind it. An empty parent ring is no parent.
PedigreeSlots resolvePedigree(const AnimalTable& animals, const Animal& subject, const RingIndex& index);
