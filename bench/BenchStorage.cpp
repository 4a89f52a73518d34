// Load and save of large stocks and pair tables, through real files.
#include "StockGenerator.h"
#include "core/files/DataFiles.h"
#include "core/files/PairFile.h"
#include "core/files/StockFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void saveStock(benchmark::State& state)
{
    QTemporaryDir dir;
    DataFiles files(dir.path() + QLatin1Char('/'));
    const Database db = generateStock(int(state.range(0)));
    for (auto _ : state) {
        if (!files.save(db).ok)
            state.SkipWithError("save failed");
    }
    state.counters["MB"] = QFileInfo(files.stockPath()).size() / 1e6;
}

void loadStock(benchmark::State& state)
{
    QTemporaryDir dir;
    DataFiles files(dir.path() + QLatin1Char('/'));
    files.save(generateStock(int(state.range(0))));
    for (auto _ : state) {
        auto db = std::make_unique<Database>();
        DataFiles reader(dir.path() + QLatin1Char('/'));
        const auto result = reader.load(*db);
        if (!result.messages.isEmpty() || db->animals.size() != size_t(state.range(0)))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db->animals.data());
        state.PauseTiming(); // freeing the stock is not part of a load
        db.reset();
        state.ResumeTiming();
    }
}

void saveAndLoadPairs(benchmark::State& state)
{
    QTemporaryDir dir;
    DataFiles files(dir.path() + QLatin1Char('/'));
    const Database db = generateStock(1000, int(state.range(0)));
    for (auto _ : state) {
        files.save(db);
        Database back;
        files.load(back);
        if (back.pairs.size() != db.pairs.size())
            state.SkipWithError("pairs lost");
    }
}

} // namespace

BENCHMARK(saveStock)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(loadStock)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(saveAndLoadPairs)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
