// The certificate's fill on a large stock (against the forty-pass scan it
// replaces), a certificate written as PDF, and the stock list of 100 000
// animals built, written as PDF (each PDF also through Qt's writer, which the
// program's own replaced) and as HTML.
#include "StockGenerator.h"
#include "core/files/SafeWrite.h"
#include "core/stock/RingIndex.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/StockListReport.h"
#include "support/ScanOracles.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

StockDocument& stock()
{
    static QTemporaryDir dir;
    static StockDocument document(generateStock(100000), DataFiles(dir.path() + QLatin1Char('/')));
    return document;
}

// An animal of the youngest generation: four generations of ancestors.
const Animal& youngest()
{
    return stock().animals().back();
}

void fillPedigree(benchmark::State& state)
{
    PedigreeReport report;
    report.fill(stock(), youngest().ringNumber, {}); // the stock and its ring index exist before
    for (auto _ : state) {
        if (!report.fill(stock(), youngest().ringNumber, {}).found)
            state.SkipWithError("subject not found");
    }
}

// The first fill after the stock changed pays for building the ring index.
void fillPedigreeAfterAChange(benchmark::State& state)
{
    PedigreeReport report;
    AnimalEdit edit;
    edit.fields.year = QStringLiteral("2000");
    for (auto _ : state) {
        state.PauseTiming();
        // A real change every time: the same values again would change nothing and keep the indexes.
        edit.fields.year = edit.fields.year == QLatin1String("2000") ? QStringLiteral("2001") : QStringLiteral("2000");
        edit.fields.ring = stock().animals().front().ringNumber;
        stock().changeAnimal(edit.fields.ring, edit);
        state.ResumeTiming();
        report.fill(stock(), youngest().ringNumber, {});
    }
}

// After a new animal the ring index is made anew; a change of fields keeps it (above).
void fillPedigreeAfterANewAnimal(benchmark::State& state)
{
    // A stock of its own: the animals added here would change what the other benchmarks measure.
    QTemporaryDir dir;
    StockDocument own(generateStock(100000), DataFiles(dir.path() + QLatin1Char('/')));
    PedigreeReport report;
    const QString subject = own.animals().back().ringNumber;
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Animal a;
        a.ringNumber = QStringLiteral("NEU-%1").arg(++added);
        a.active = 1;
        own.appendAnimals({a});
        state.ResumeTiming();
        report.fill(own, subject, {});
    }
}

void resolveByScan(benchmark::State& state)
{
    const AnimalTable& animals = stock().animals();
    if (resolvePedigreeByScan(animals, youngest()) != resolvePedigree(animals, youngest(), stock().ringIndex()))
        state.SkipWithError("the two resolutions differ");
    for (auto _ : state)
        benchmark::DoNotOptimize(resolvePedigreeByScan(animals, youngest()));
}

// Arg 1: through Qt's PDF writer, which the program's own replaced.
void certificateToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    PedigreeReport report;
    report.fill(stock(), youngest().ringNumber, {});
    const QString path = dir.path() + QStringLiteral("/nachweis.pdf");
    const auto write = state.range(0) ? &ReportOutput::writePdfWithQt : &ReportOutput::writePdf;
    for (auto _ : state) {
        if (!write(FixedPages({report.page()}), path, QStringLiteral("06.12.2026"), {}, 0).ok())
            state.SkipWithError("PDF not written");
    }
}

// The entries of the stock list, sorted by ring number (collator) or by year.
void stockListBuild(benchmark::State& state)
{
    const auto order = state.range(0) ? StockListOrder::ByBirthYear : StockListOrder::ByRing;
    stock(); // made before the clock runs
    for (auto _ : state)
        benchmark::DoNotOptimize(stockListEntries(stock(), {order, StockListLayout::TwoLines, std::nullopt}));
}

void stockListToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto pages = stockListPages(stock(), {StockListOrder::ByRing, StockListLayout::TwoLines, std::nullopt});
    const auto write = state.range(0) ? &ReportOutput::writePdfWithQt : &ReportOutput::writePdf;
    for (auto _ : state) {
        if (!write(*pages, dir.path() + QStringLiteral("/liste.pdf"), QStringLiteral("06.12.2026"), {}, 0).ok())
            state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = pages->count();
}

void stockListHtml(benchmark::State& state)
{
    QTemporaryDir dir;
    stock(); // made before the clock runs
    for (auto _ : state) {
        const WriteOutcome written = writeFileSafely(dir.path() + QStringLiteral("/liste.html"), [](QIODevice& device) {
            return writeStockListHtml(stock(), device, StockListOrder::ByRing);
        });
        if (!written.ok)
            state.SkipWithError("HTML not written");
    }
}

} // namespace

BENCHMARK(fillPedigree)->Unit(benchmark::kMillisecond);
BENCHMARK(fillPedigreeAfterAChange)->Unit(benchmark::kMillisecond);
BENCHMARK(fillPedigreeAfterANewAnimal)->Unit(benchmark::kMillisecond);
BENCHMARK(resolveByScan)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(certificateToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(stockListBuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(stockListToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(stockListHtml)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
