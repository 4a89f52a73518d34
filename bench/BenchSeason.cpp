// The season at 100 000 animals and 10 000 pairs: the calendar, the statistics, the mate planner.
#include "StockGenerator.h"
#include "core/season/BreedingCalendar.h"
#include "core/season/MatePlanner.h"
#include "core/season/SeasonTables.h"
#include "core/stock/StockDocument.h"

#include <benchmark/benchmark.h>

namespace {

const StockDocument& document()
{
    static const StockDocument stock(generateStock(100000, 10000), DataFiles(QString()));
    return stock;
}

void calendar(benchmark::State& state)
{
    const PairTable& pairs = document().pairs();
    const QDate today(2024, 5, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendarTable(dueTasks(pairs, CalendarDays {}, today, today.addDays(14)), today));
}

void statistics(benchmark::State& state)
{
    const PairTable& pairs = document().pairs();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pairStatisticsTable(pairs, std::nullopt));
        benchmark::DoNotOptimize(animalStatisticsTable(pairs, true));
        benchmark::DoNotOptimize(animalStatisticsTable(pairs, false));
    }
}

// A cock of the youngest generation against every hen: 50 000 candidates.
void matePlanner(benchmark::State& state)
{
    const StockDocument& stock = document();
    stock.alphabeticalRingOrder(); // the document's index, made once for all rankings
    const QString cock = generatedRing(99998);
    size_t candidates = 0;
    for (auto _ : state)
        candidates = rankMates(stock, {cock, std::nullopt}).candidates.size();
    state.counters["candidates"] = double(candidates);
}

} // namespace

BENCHMARK(calendar)->Unit(benchmark::kMillisecond);
BENCHMARK(statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(matePlanner)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
