#pragma once

#include "core/model/Database.h"

// Reorders the stock newest birth year first and drops deleted animals for good.
// Years and table positions are compared as text, character by character, so
// within one year the positions 9, 10 and 11 come out as 9, 11, 10.
// True when the table changed.
bool sortStock(AnimalTable& animals);
