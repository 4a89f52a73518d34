#pragma once

#include "core/model/StockData.h"

// Generates a stock of the given size for benchmarks: remarks on every
// animal, parents linked over five generations (each animal's parents come
// from the generation before it), a few breeds, breeders and colours.
StockData generateStock(int animals, int pairs = 0, unsigned seed = 1);

// The ring number the generator gives animal i.
QString generatedRing(int i);
