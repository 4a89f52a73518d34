#pragma once

#include "core/model/Animal.h"

#include <optional>
#include <vector>

// The listed mark of each animal is the scratch flag the suggestion lists
// and the stock list by year have always used, and the stock file keeps it.
// These set it exactly as those lists leave it, so the saved bytes stay the
// same; each returns the positions whose mark changed.

// Offering the distinct values of a field: marked are the animals (active or
// not) whose value equals that of an active animal; every other one unmarked.
std::vector<size_t> markListedValues(AnimalTable& animals, QString Animal::*field);

// Making the stock list by birth year: the active animals (of the breed, if
// one is given) are unmarked.
std::vector<size_t> unmarkForYearList(AnimalTable& animals, const std::optional<QString>& breed);
