#pragma once

#include "core/model/Records.h"

// Everything the breeder keeps: owned by the main window for the whole run,
// handed to the dialogs by reference.
struct Database
{
    AnimalTable animals;
    PairTable pairs;
    BreederData breeder;
    PrintSettings print;
};
