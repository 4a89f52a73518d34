// A search keystroke and the descendants walk on a stock of 100 000 animals.
#include "StockGenerator.h"
#include "core/analysis/DataCheck.h"
#include "core/analysis/Inbreeding.h"
#include "core/files/StockFile.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "core/stock/StockSearch.h"
#include "support/ScanOracles.h"
#include "ui/stock/SearchDialog.h"

#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <numeric>
#include <random>

namespace {

// 100 000 animals; the first is a founder with 20 000 descendants over four
// generations (20, 200, 2 000 and 17 780), spread through the table.
const AnimalTable& familyStock()
{
    static const AnimalTable animals = [] {
        AnimalTable t = generateStock(100000).animals;
        std::vector<size_t> order(t.size() - 1);
        std::iota(order.begin(), order.end(), size_t(1));
        std::shuffle(order.begin(), order.end(), std::mt19937(3));
        size_t next = 0;
        std::vector<size_t> parents {0};
        for (const size_t count : {20u, 200u, 2000u, 17780u}) {
            std::vector<size_t> generation;
            for (size_t i = 0; i < count; ++i) {
                Animal& a = t[order[next++]];
                a.fatherRing = t[parents[i % parents.size()]].ringNumber;
                a.motherRing = QStringLiteral("UNBEKANNT");
                generation.push_back(size_t(&a - t.data()));
            }
            parents = generation;
        }
        // Through the file and back, so the texts lie in memory as after a real start.
        StockData db;
        db.animals = std::move(t);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        StockFile::write(file, db);
        StockData loaded;
        StockFile::read(file.data(), loaded);
        return loaded.animals;
    }();
    return animals;
}

void descendantsIndexed(benchmark::State& state)
{
    const QString founder = familyStock().front().ringNumber;
    size_t found = 0;
    for (auto _ : state) {
        const Descendants d = findDescendants(familyStock(), founder);
        found = size_t(d.generations[0].size() + d.generations[1].size() + d.generations[2].size()
                       + d.generations[3].size());
    }
    state.counters["found"] = double(found);
}

void descendantsByScan(benchmark::State& state)
{
    const QString founder = familyStock().front().ringNumber;
    const Descendants indexed = findDescendants(familyStock(), founder);
    for (auto _ : state) {
        const Descendants scanned = findDescendantsByScan(familyStock(), founder);
        if (scanned.generations != indexed.generations)
            state.SkipWithError("the two walks differ");
    }
}

// A search in the open dialog: the index was built when it opened.
void descendantsSearchInTheDialog(benchmark::State& state)
{
    const DescendantsFinder finder(familyStock());
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.find(familyStock().front().ringNumber));
}

// The index alone: a ring without children.
void descendantsIndexBuild(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(findDescendants(familyStock(), QStringLiteral("NIEMAND")));
}

void searchCore(benchmark::State& state)
{
    const AnimalTable animals = generateStock(100000).animals;
    const auto order = alphabeticalRingOrder(animals);
    SearchCriteria criteria;
    criteria.ring.text = state.range(0) ? QStringLiteral("12") : QString();
    for (auto _ : state)
        benchmark::DoNotOptimize(searchStock(animals, order, criteria));
}

// One keystroke in the ring field: the search and the result list's update.
void searchKeystroke(benchmark::State& state)
{
    StockDocument stock(generateStock(100000), DataFiles(QString()));
    SearchDialog dialog(stock);
    dialog.show();
    auto* ring = dialog.findChild<QLineEdit*>(QStringLiteral("ringCriterion"));
    const QString typed = state.range(0) ? QStringLiteral("12") : QString();
    for (auto _ : state) {
        state.PauseTiming();
        ring->setText(state.range(0) ? QStringLiteral("1") : QStringLiteral("x"));
        state.ResumeTiming();
        ring->setText(typed);
    }
}

// Inbreeding and the data check on a five-generation stock of 100 000 animals.
const StockDocument& generatedDocument()
{
    static const StockDocument stock(generateStock(100000, 1000), DataFiles(QString()));
    return stock;
}

void inbreedingOfAll(benchmark::State& state)
{
    const StockDocument& stock = generatedDocument();
    const InbreedingCalculator calculator(stock.animals(), stock.ringIndex());
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator.all());
}

void inbreedingOfOne(benchmark::State& state)
{
    const StockDocument& stock = generatedDocument();
    const InbreedingCalculator calculator(stock.animals(), stock.ringIndex());
    const auto youngest = qsizetype(stock.animals().size() - 1);
    const Animal& a = stock.animals().back();
    for (auto _ : state) {
        if (state.range(0))
            benchmark::DoNotOptimize(calculator.ofPair(a.fatherRing, a.motherRing));
        else
            benchmark::DoNotOptimize(calculator.of(youngest));
    }
}

void dataCheck(benchmark::State& state)
{
    const StockDocument& stock = generatedDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            checkData({stock.data(), stock.ringIndex(), QStringLiteral("/nonexistent/"), {}, {}, {}}));
}

} // namespace

BENCHMARK(inbreedingOfAll)->Unit(benchmark::kMillisecond);
BENCHMARK(inbreedingOfOne)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(dataCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(descendantsIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(descendantsIndexBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(descendantsSearchInTheDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(descendantsByScan)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(searchCore)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(searchKeystroke)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
