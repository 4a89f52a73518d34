// Colour genetics: one pairing with factors at ten loci, and the pedigree
// reading of a whole stock of 100 000 birds.
#include "StockGenerator.h"
#include "core/genetics/ColourCalculator.h"
#include "core/genetics/ColourCheck.h"
#include "core/genetics/PedigreeReading.h"
#include "core/stock/RingIndex.h"

#include <benchmark/benchmark.h>

namespace {

void pair(benchmark::State& state, const char* cockFactors, const char* henFactors)
{
    const FactorTable& table = FactorTable::canary();
    QString problem;
    const AnimalFactors cock = *parseFactors(table, true, QString::fromUtf8(cockFactors), problem);
    const AnimalFactors hen = *parseFactors(table, false, QString::fromUtf8(henFactors), problem);
    size_t kinds = 0;
    for (auto _ : state) {
        const ExpectedYoung young
            = expectedYoung(table, *genesOf(table, cock, problem), *genesOf(table, hen, problem), table.crossover());
        kinds = young.kinds.size();
    }
    state.counters["kinds"] = double(kinds);
}

// A pair with factors at ten loci between them, as a colour breeder has them.
void pairWithTenLoci(benchmark::State& state)
{
    pair(state, "braun,/achat,/opal,intensiv,/phaeo", "/weiss-rezessiv,topas,/eumo,jaspis,kobalt,pastell");
}

// The worst a breeder can type in: ten loci, most of them split in both birds,
// seventy thousand kinds of young.
void pairWithTenSplitLoci(benchmark::State& state)
{
    pair(state, "/braun+achat,/pastell,/elfenbein,/weiss-rezessiv,/opal,/phaeo,/topas,/eumo,intensiv,jaspis",
         "achat,/weiss-rezessiv,/opal,/phaeo,/topas,/eumo,intensiv,jaspis");
}

// The generated stock with colours that show factors and factors entered, as a kept stock has them.
struct Stock
{
    StockData db;
    QHash<QString, FactorStates> entered;

    Stock() : db(generateStock(100000))
    {
        for (size_t i = 0; i < db.animals.size(); ++i) {
            Animal& a = db.animals[i];
            if (i % 7 == 0)
                a.colour = QStringLiteral("Braun");
            else if (i % 11 == 0)
                a.colour = QStringLiteral("Schwarz Opal");
            else if (i % 17 == 0)
                a.colour = QStringLiteral("Isabell");
            if (i % 13 == 0)
                entered[a.ringNumber] = {{"phaeo", FactorState::Carrier}, {"topas", FactorState::Absent}};
        }
    }
};

const Stock& stock()
{
    static const Stock generated;
    return generated;
}

void readingOfAllAnimals(benchmark::State& state)
{
    const Stock& s = stock();
    const RingIndex index(s.db.animals);
    size_t findings = 0;
    for (auto _ : state) {
        PedigreeReading reading(s.db.animals, index, s.entered);
        reading.readAll();
        findings = 0;
        for (qsizetype a = 0; a < qsizetype(s.db.animals.size()); ++a)
            findings += reading.findings(a).size();
    }
    state.counters["findings"] = double(findings);
}

// One bird's reading in a stock read for the first time: what a window pays on opening.
void readingOfOneAnimal(benchmark::State& state)
{
    const Stock& s = stock();
    const RingIndex index(s.db.animals);
    for (auto _ : state) {
        PedigreeReading reading(s.db.animals, index, s.entered);
        benchmark::DoNotOptimize(reading.findings(qsizetype(s.db.animals.size() - 1)));
    }
}

void checkOfAllAnimals(benchmark::State& state)
{
    const Stock& s = stock();
    const RingIndex index(s.db.animals);
    size_t found = 0;
    for (auto _ : state) {
        PedigreeReading reading(s.db.animals, index, s.entered);
        found = size_t(checkColourFactors(reading).size());
    }
    state.counters["found"] = double(found);
}

} // namespace

BENCHMARK(pairWithTenLoci)->Unit(benchmark::kMillisecond);
BENCHMARK(pairWithTenSplitLoci)->Unit(benchmark::kMillisecond);
BENCHMARK(readingOfAllAnimals)->Unit(benchmark::kMillisecond);
BENCHMARK(readingOfOneAnimal)->Unit(benchmark::kMillisecond);
BENCHMARK(checkOfAllAnimals)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
