// Bringing a spreadsheet of 100 000 rows in: reading, the preview's plan and
// the import as one step, into an empty stock and into one of 100 000 where
// half the rows change known animals.
#include "StockGenerator.h"
#include "core/export/CsvExport.h"
#include "core/import/StockImport.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;

// The program's own CSV of a generated stock: every field filled, parents linked.
const QByteArray& spreadsheet()
{
    static const QByteArray csv = [] {
        StockDocument source(generateStock(kRows), DataFiles(QString()));
        return stockCsv(source, StockListOrder::ByRing);
    }();
    return csv;
}

// Arg 0: into an empty stock. Arg 1: into a stock that holds every other row's animal with another colour.
void importRows(benchmark::State& state)
{
    StockData existing;
    if (state.range(0) == 1) {
        const AnimalTable all = generateStock(kRows).animals;
        for (size_t i = 0; i < all.size(); i += 2) {
            Animal a = all[i];
            a.colour = QStringLiteral("anders");
            existing.animals.push_back(a);
        }
        for (int i = 0; existing.animals.size() < size_t(kRows); ++i) {
            Animal a;
            a.ringNumber = QStringLiteral("X-%1").arg(i);
            a.active = 1;
            existing.animals.push_back(a);
        }
    }
    spreadsheet();
    std::unique_ptr<StockDocument> stock;
    for (auto _ : state) {
        state.PauseTiming();
        stock = std::make_unique<StockDocument>(existing, DataFiles(QString()));
        stock->ringIndex();
        state.ResumeTiming();
        const CsvTable table = readCsv(spreadsheet());
        const ImportPlan plan = planStockImport(*stock, table, mapColumns(table.header), {});
        if (!importStock(*stock, plan).isEmpty())
            state.SkipWithError("nothing imported");
        benchmark::DoNotOptimize(stock->animals().size());
    }
}
BENCHMARK(importRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
