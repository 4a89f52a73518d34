#pragma once

#include "core/model/Animal.h"
#include "core/model/BreederData.h"
#include "core/model/BreedingPair.h"
#include "core/model/PrintSettings.h"

// Everything the breeder keeps, as the two data files hold it.
struct StockData
{
    AnimalTable animals;
    PairTable pairs;
    BreederData breeder;
    PrintSettings print;

    bool operator==(const StockData&) const = default;
};
