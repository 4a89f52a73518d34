#pragma once

#include "core/model/BreedingPair.h"

#include <QMap>

#include <optional>
#include <vector>

// How the pairs of a season did, from the clutches and young the pair file holds.

struct BreedingFigures
{
    int clutches = 0; // clutches with at least one egg
    int eggs = 0; // young records
    int hatched = 0; // young with a hatching date or a ring
    int ringed = 0;
    int weaned = 0; // young with a weaning date

    // hatched / eggs and weaned / hatched; none where the divisor is 0.
    std::optional<double> hatchRate() const;
    std::optional<double> rearingRate() const;

    BreedingFigures& operator+=(const BreedingFigures& other);
    bool operator==(const BreedingFigures&) const = default;
};

BreedingFigures figuresOf(const BreedingPair& pair);

// A pair's season: the year of its breeding start, or else of its first
// clutch's first egg; none for a pair with neither.
std::optional<int> seasonOf(const BreedingPair& pair);

struct PairFigures
{
    int pair = 0; // position in the pair table
    int season = 0;
    BreedingFigures figures;
};

// Every pair that has a season, in pair order; of one season only when given.
std::vector<PairFigures> pairFigures(const PairTable& pairs, std::optional<int> season = std::nullopt);

// The seasons that have pairs, newest first.
std::vector<int> seasons(const PairTable& pairs);

// Totals per bird over every pair it was in, all seasons: by cock ring and by hen ring.
struct AnimalTotals
{
    QMap<QString, BreedingFigures> cocks;
    QMap<QString, BreedingFigures> hens;
};
AnimalTotals animalTotals(const PairTable& pairs);
