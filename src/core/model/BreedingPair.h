#pragma once

#include "core/model/Animal.h"

// Dates are days since 30 December 1899; 0 means none given.

// The bird that hatched from one egg of a clutch; its sex, breed and remarks
// live in the animal created for it, linked by ring number.
struct Youngster
{
    QString ring; // empty: the egg is not ringed
    double weaned = 0.0;
    double hatched = 0.0;

    bool isRinged() const { return !ring.isEmpty(); }
    bool operator==(const Youngster&) const = default;
};

struct Clutch
{
    double firstEgg = 0.0;
    double lastEgg = 0.0;
    double incubationStart = 0.0; // the clutch was set: incubation began
    qint32 eggCount = 0;
    std::vector<Youngster> young; // one per egg once the clutch is saved

    bool operator==(const Clutch&) const = default;
};

struct BreedingPair
{
    QString cockRing;
    QString henRing;
    qint32 cageNumber = 0;
    double breedingStart = 0.0;
    std::vector<Clutch> clutches;

    bool operator==(const BreedingPair&) const = default;
};

using PairTable = std::vector<BreedingPair>;
