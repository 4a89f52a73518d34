#pragma once

#include "core/model/StockData.h"

// The variable texts of a breeding pair's sheet. The clutch and young tables
// are texts with fixed column widths for a fixed-pitch font; their line ends
// are kept as the sheet has always had them (the header lines end LF CR).
struct PairSheet
{
    QString subtitle;
    QString cockRing;
    QString henRing;
    QString cockBreed; // empty when no animal in stock has the ring
    QString cockColour;
    QString henBreed;
    QString henColour;
    QString clutches;
    QString young;
};

// Only active animals are consulted; where rings repeat, the last one names a
// parent and every one lists its young bird's line.
PairSheet pairSheet(const AnimalTable& animals, const BreedingPair& pair);
