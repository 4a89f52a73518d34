#pragma once

#include "core/model/StockData.h"

#include <optional>
#include <vector>

// Reorders the stock newest birth year first and drops deleted animals for good.
// Years and table positions are compared as text, character by character, so
// within one year the positions 9, 10 and 11 come out as 9, 11, 10.
// True when the table changed.
bool sortStock(AnimalTable& animals);

// The order sortStock makes: the old position of each animal in the sorted
// table; nothing when the table is in that order already.
std::optional<std::vector<quint32>> stockSortOrder(const AnimalTable& animals);

// Puts the table in the given order (old positions, as stockSortOrder gives
// them); the animals left out are moved into `dropped` with their positions.
void reorderStock(AnimalTable& animals, const std::vector<quint32>& order,
                  std::vector<std::pair<quint32, Animal>>& dropped);
// The opposite: the table as it was before reorderStock, the dropped animals back in place.
void restoreStockOrder(AnimalTable& animals, const std::vector<quint32>& order,
                       std::vector<std::pair<quint32, Animal>>& dropped);
