#pragma once

#include "core/genetics/FactorTable.h"
#include "core/model/AnimalRecords.h"

#include <QtGlobal>

#include <array>
#include <compare>

// A bird's colour factors, first as the breeder knows them, then as the
// alleles the calculator passes on.

// Where a cock carries hidden alleles at both linked loci: on one Z
// chromosome together, or one on each.
enum class LinkagePhase
{
    Unknown,
    Coupled,
    Repulsion,
};

struct AnimalFactors
{
    bool male = true;
    std::vector<FactorState> states; // per factor of the table; unknown counts as absent
    std::vector<double> likely; // per factor: chance it is carried hidden where the state is unknown
    LinkagePhase phase = LinkagePhase::Unknown;

    // A bird with none of the factors: black, no mutation.
    static AnimalFactors none(const FactorTable& table, bool male);
    FactorState state(int factor) const { return states[size_t(factor)]; }
};

// Where a hen's W stands in for the second Z.
inline constexpr quint8 kNoZ = 0xFF;

// The two alleles at a locus (0 the wild type). At the linked loci of a cock,
// `first` lies on one Z and `second` on the other.
struct AllelePair
{
    quint8 first = 0;
    quint8 second = 0;

    auto operator<=>(const AllelePair&) const = default;
};

// One genotype a block of loci may have, with its probability.
struct BlockGenotype
{
    std::array<AllelePair, 2> loci {}; // as many as the block has
    double weight = 1.0;
};

struct AnimalGenes
{
    bool male = true;
    std::vector<std::vector<BlockGenotype>> blocks; // per block of the table, its possible genotypes
    QStringList notSimple; // factors without a simple inheritance the bird has
    QString unknownPhase; // "braun und achat" when their phase was counted half each way
    bool likelyTaken = false;
};

// The genes of a bird, or nothing with the German reason its factors contradict one another.
std::optional<AnimalGenes> genesOf(const FactorTable& table, const AnimalFactors& animal, QString& problem);

// Factors as breeders write them, comma-separated: "braun,/opal" is visual
// brown carrying opal; "/braun+achat" carries both on one Z chromosome,
// "/braun,/achat" one on each; "jaspis,jaspis" is a double factor. Empty:
// none of the factors.
std::optional<AnimalFactors> parseFactors(const FactorTable& table, bool male, const QString& spec, QString& problem);

// Factors entered, written as breeders write them: "braun, /opal, jaspis, jaspis, ohne topas".
QString writtenFactors(const FactorTable& table, const FactorStates& factors);
// The same text read back; nothing with the German reason for a word that
// names no factor of the table. Empty: none entered.
std::optional<FactorStates> readWrittenFactors(const FactorTable& table, const QString& text, QString& problem);
