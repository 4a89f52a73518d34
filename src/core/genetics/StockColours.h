#pragma once

#include "core/genetics/ColourCalculator.h"
#include "core/genetics/PedigreeReading.h"

#include <memory>

class StockDocument;

// How a pairing is to be calculated.
struct PairingOptions
{
    bool withLikely = false; // likely carriers at their chance
    std::optional<LinkagePhase> cockPhase; // where the pedigree does not tell it
    double crossover = FactorTable::canary().crossover();
};

struct Pairing
{
    AnimalFactors cock;
    AnimalFactors hen;
    std::optional<ExpectedYoung> young; // none when the factors contradict one another
    QString problem; // German: why there is no result
    QString unknownPhase; // "braun und achat": the cock's phase was counted half each way
};

// The reading of the stock's pedigree and entered colour factors: one for
// every window, kept on the document and made again after a change of the
// animals, their order or parents, or the records (not, say, of the print
// settings). Valid until the document's next change.
PedigreeReading& colourReading(const StockDocument& stock);
// The young of two birds of the stock, by table position.
Pairing pairAnimals(const StockDocument& stock, qsizetype cock, qsizetype hen, const PairingOptions& options);
// The same for birds given by ring; a ring not in the stock gives a problem.
Pairing pairAnimals(const StockDocument& stock, const QString& cockRing, const QString& henRing,
                    const PairingOptions& options);

// Two birds' factors put together, with the pair's young.
Pairing calculatePairing(AnimalFactors cock, AnimalFactors hen, const PairingOptions& options);

// The colours of the young in a few words, the most frequent first: "Braun 50 %, Schwarz 50 %".
QString colourSummary(const ExpectedYoung& young);
