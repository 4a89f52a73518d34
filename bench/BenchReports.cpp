// FillPedigree on a large stock (against the described 40-pass scan) and a
// certificate written as PDF.
#include "StockGenerator.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/PedigreeReport.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

const Database& stock()
{
    static const Database db = generateStock(100000);
    return db;
}

// An animal of the youngest generation: four generations of ancestors.
const Animal& youngest()
{
    return stock().animals.back();
}

void fillPedigree(benchmark::State& state)
{
    QTemporaryDir dir;
    PedigreeReport report;
    for (auto _ : state) {
        if (!report.fill(stock(), youngest().ringNumber, {}, dir.path() + QLatin1Char('/')).found)
            state.SkipWithError("subject not found");
    }
}

// The first fill after the stock changed pays for building the ring index.
void fillPedigreeAfterAChange(benchmark::State& state)
{
    QTemporaryDir dir;
    PedigreeReport report;
    for (auto _ : state) {
        report.stockChanged();
        report.fill(stock(), youngest().ringNumber, {}, dir.path() + QLatin1Char('/'));
    }
}

void resolveByScan(benchmark::State& state)
{
    if (resolvePedigreeByScan(stock().animals, youngest()) != resolvePedigree(stock().animals, youngest()))
        state.SkipWithError("the two resolutions differ");
    for (auto _ : state)
        benchmark::DoNotOptimize(resolvePedigreeByScan(stock().animals, youngest()));
}

void certificateToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    PedigreeReport report;
    report.fill(stock(), youngest().ringNumber, {}, dir.path() + QLatin1Char('/'));
    const QString path = dir.path() + QStringLiteral("/nachweis.pdf");
    for (auto _ : state) {
        if (!ReportOutput::writePdf({report.page()}, path, QStringLiteral("06.12.2026")).isEmpty())
            state.SkipWithError("PDF not written");
    }
}

} // namespace

BENCHMARK(fillPedigree)->Unit(benchmark::kMillisecond);
BENCHMARK(fillPedigreeAfterAChange)->Unit(benchmark::kMillisecond);
BENCHMARK(resolveByScan)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(certificateToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
