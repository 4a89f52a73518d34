#pragma once

#include "core/model/StockData.h"

#include <QStringList>

// What the main window's lists hold.

// Active, unsold animals that can get a certificate, alphabetical.
QStringList pedigreeCandidates(const AnimalTable& animals);

// One entry per pair in table order: "DE 12 - DE 17 vom 05.03.14".
QStringList pairCaptions(const PairTable& pairs);

// Rings of the active animals (sold ones included) in table order; with a
// breed, only the animals of exactly that breed.
QStringList activeRings(const AnimalTable& animals, const QString* breed = nullptr);
