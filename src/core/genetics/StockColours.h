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
    BirdFactors cock;
    BirdFactors hen;
    std::optional<ExpectedYoung> young; // none when the factors contradict one another
    QString problem; // German: why there is no result
    QString unknownPhase; // "braun und achat": the cock's phase was counted half each way
};

// The colour genetics of a stock document: the reading of its pedigree,
// made again when the stock or its records have changed since.
class StockColours
{
public:
    explicit StockColours(const StockDocument& stock);
    ~StockColours();

    PedigreeReading& reading();
    // The young of two birds of the stock, by table position.
    Pairing pair(qsizetype cock, qsizetype hen, const PairingOptions& options);
    // The same for birds given by ring; a ring not in the stock gives a problem.
    Pairing pair(const QString& cockRing, const QString& henRing, const PairingOptions& options);

private:
    const StockDocument& m_stock;
    std::unique_ptr<PedigreeReading> m_reading;
    quint64 m_generation = 0;
};

// Two birds' factors put together, with the pair's young.
Pairing calculatePairing(BirdFactors cock, BirdFactors hen, const PairingOptions& options);

// The colours of the young in a few words, the most frequent first: "Braun 50 %, Schwarz 50 %".
QString colourSummary(const ExpectedYoung& young);
