#pragma once

#include "core/model/StockData.h"

// Takes every active animal with this ring out of the stock: Active = 0 and
// its own parent links emptied. Links of other animals to it stay.
// True when an animal was marked.
bool markDeleted(AnimalTable& animals, const QString& ring);
