#pragma once

#include "core/pedigree/PedigreeSlots.h"
#include "core/stock/DescendantsFinder.h"

// The literal scans the program replaces by indexes: the references the
// indexed results are tested and measured against.

// Forty passes over the whole table, each filling every slot whose child is
// known, so the result does not depend on the table's order.
PedigreeSlots resolvePedigreeByScan(const AnimalTable& animals, const Animal& subject);

// A full scan of the table per found parent, four generations deep.
Descendants findDescendantsByScan(const AnimalTable& animals, const QString& ring);
