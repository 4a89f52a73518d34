#pragma once

#include "core/model/Database.h"

#include <QStringList>

#include <vector>

// Look-ups and lists over the animal table that several windows share.

// Distinct values of a text field over the active animals, in alphabetical
// order. Leaves ListedMark set exactly on the animals (active or not) whose
// value equals that of an active animal, as the saved files expect.
QStringList distinctValues(AnimalTable& animals, QString Animal::*field);

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
