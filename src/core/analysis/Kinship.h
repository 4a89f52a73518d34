#pragma once

#include "core/stock/PedigreeOrder.h"

#include <vector>

class RingIndex;

// Kinship of one animal with every animal of the stock: f(x, y) is the
// inbreeding coefficient the young of x and y would have (Wright). The whole
// stock is put in parents-first order once; then one animal's kinship with
// all others costs one pass over it: f(x, y) = (f(x, sire of y) + f(x, dam
// of y)) / 2 for every y that is no ancestor of x, and the kinship among x's
// own ancestors is worked out pair by pair from the same rule.
class KinshipCalculator
{
public:
    KinshipCalculator(const AnimalTable& animals, const RingIndex& index);

    // f(x, y) for every table position y; all 0 for a position out of range.
    std::vector<double> withAll(qsizetype animal) const;
    bool cycleCut() const { return m_order.cycleCut; }

private:
    PedigreeOrder m_order;
    std::vector<qsizetype> m_placeOf; // table position -> place in m_order
};
