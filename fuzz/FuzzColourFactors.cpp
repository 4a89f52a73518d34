// The colour factors as breeders type them (the cock's, a line break, the
// hen's) and a colour text read as factors: every spec is understood or
// refused with a reason, and understood pairs give young whose shares add up.
#include "core/genetics/AnimalGenes.h"
#include "core/genetics/ColourCalculator.h"
#include "core/genetics/PedigreeReading.h"
#include "core/stock/RingIndex.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

std::optional<AnimalGenes> genes(const FactorTable& table, bool male, const QString& spec)
{
    QString problem;
    const std::optional<AnimalFactors> factors = parseFactors(table, male, spec, problem);
    if (!factors) {
        if (problem.isEmpty())
            std::abort(); // refused without a reason
        return std::nullopt;
    }
    std::optional<AnimalGenes> found = genesOf(table, *factors, problem);
    if (!found && problem.isEmpty())
        std::abort();
    return found;
}

void checkYoung(const FactorTable& table, const AnimalGenes& cock, const AnimalGenes& hen, double crossover)
{
    const ExpectedYoung young = expectedYoung(table, cock, hen, crossover);
    double total = 0;
    for (const YoungKind& kind : young.kinds) {
        if (!(kind.share >= 0 && kind.share <= 1))
            std::abort();
        total += kind.share;
    }
    if (!young.kinds.empty() && std::abs(total - 1.0) > 1e-6)
        std::abort();
    if (!(young.deadInEgg >= 0 && young.deadInEgg <= 1))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 400)
        return 0;
    const FactorTable& table = FactorTable::canary();
    const double crossover = data[0] / 510.0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype split = text.indexOf(QLatin1Char('\n'));
    const QString cockSpec = split < 0 ? text : text.left(split);
    const QString henSpec = split < 0 ? QString() : text.mid(split + 1);
    const std::optional<AnimalGenes> cock = genes(table, true, cockSpec);
    const std::optional<AnimalGenes> hen = genes(table, false, henSpec);
    if (cock && hen)
        checkYoung(table, *cock, *hen, crossover);

    // The same text as the colour field of a cock and a hen whose son is read from the pedigree.
    AnimalTable animals(3);
    animals[0].ringNumber = QStringLiteral("V");
    animals[0].sex = Sex::Male;
    animals[0].colour = cockSpec;
    animals[1].ringNumber = QStringLiteral("M");
    animals[1].sex = Sex::Female;
    animals[1].colour = henSpec.isEmpty() ? cockSpec : henSpec;
    animals[2].ringNumber = QStringLiteral("S");
    animals[2].sex = Sex::Male;
    animals[2].fatherRing = QStringLiteral("V");
    animals[2].motherRing = QStringLiteral("M");
    for (Animal& a : animals)
        a.active = 1;
    const RingIndex index(animals);
    PedigreeReading reading(animals, index, {}, table);
    reading.readAll();
    for (qsizetype a = 0; a < 3; ++a) {
        QString problem;
        if (!genesOf(table, reading.factorsOf(a, true), problem) && problem.isEmpty())
            std::abort();
    }
    return 0;
}
