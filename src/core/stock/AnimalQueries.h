#pragma once

#include "core/model/StockData.h"

#include <QStringList>

#include <vector>

// Look-ups and lists over the animal table that several windows share.

// Distinct values of a text field over the active animals, in alphabetical
// order: what a suggestion list offers.
QStringList distinctValues(const AnimalTable& animals, QString Animal::*field);

// The table positions in the alphabetical order of their ring numbers (all
// records, deleted ones too).
std::vector<qsizetype> alphabeticalRingOrder(const AnimalTable& animals);

// Positions of the active animals whose ring number equals ring exactly.
std::vector<size_t> activeIndicesOf(const AnimalTable& animals, const QString& ring);

// The last active animal with exactly this ring number, or nullptr.
Animal* lastActiveWithRing(AnimalTable& animals, const QString& ring);
const Animal* lastActiveWithRing(const AnimalTable& animals, const QString& ring);

// Whether an active animal has this ring number, both compared upper-cased (a to z).
bool activeRingExists(const AnimalTable& animals, const QString& ring);

// The 31 years offered for a birth year: this year first, down to 30 years ago.
QStringList yearList(int currentYear);
QStringList yearList();
