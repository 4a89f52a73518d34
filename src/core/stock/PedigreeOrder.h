#pragma once

#include "core/model/Animal.h"

#include <vector>

class RingIndex;

// The places of an animal's father and mother in a PedigreeOrder, -1 for unknown.
struct ParentPlaces
{
    qsizetype father = -1;
    qsizetype mother = -1;
};

// The ancestors of some animals (themselves included) with parents listed
// before children, each with its parents' places in that order. Parents are
// found as the certificate finds them: the last record with the ring,
// deleted records too. Links that would close a cycle are cut. Only the
// animals met are touched, so one animal's order costs its ancestors, not
// the whole stock.
struct PedigreeOrder
{
    std::vector<qsizetype> animals; // table positions, parents first
    std::vector<ParentPlaces> parents; // one per place
    bool cycleCut = false; // an animal was its own ancestor; that link was left out

    // The place of a table position, -1 when it is not in the order.
    qsizetype placeOf(qsizetype animal) const;
};

PedigreeOrder orderParentsFirst(const AnimalTable& animals, const RingIndex& index,
                                const std::vector<qsizetype>& start);
