// The program's start and close as the breeder meets them, with 100 000 and
// 1 000 000 animals: from the start until the main window shows (the splash
// left out), and from closing the main window until the question, both files
// written.
#include "StockGenerator.h"
#include "app/Startup.h"
#include "core/files/DataFiles.h"
#include "core/files/DataFolder.h"
#include "support/FileHelpers.h"
#include "support/ScriptedMessages.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A home whose data folder holds a generated stock, made once per size.
const QString& homeWith(int animals)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> homes;
    static std::map<int, QString> paths;
    if (!homes.count(animals)) {
        homes[animals] = std::make_unique<QTemporaryDir>();
        paths[animals] = homes[animals]->path();
        useTestHome(paths[animals]);
        DataFiles(DataFolder::path()).save(generateStock(animals, animals / 10));
    }
    useTestHome(paths[animals]);
    return paths[animals];
}

void startToMainWindow(benchmark::State& state)
{
    homeWith(int(state.range(0)));
    ScriptedMessages messages;
    for (auto _ : state) {
        auto startup = std::make_unique<Startup>(0);
        startup->start();
        while (!startup->mainWindow()->isVisible())
            QCoreApplication::processEvents();
        state.PauseTiming();
        startup.reset();
        state.ResumeTiming();
    }
}

void closeToQuestion(benchmark::State& state)
{
    homeWith(int(state.range(0)));
    ScriptedMessages messages; // the question after the save is answered "Nein": nothing quits
    std::unique_ptr<Startup> startup;
    for (auto _ : state) {
        state.PauseTiming();
        startup.reset();
        startup = std::make_unique<Startup>(0);
        startup->start();
        while (!startup->mainWindow()->isVisible())
            QCoreApplication::processEvents();
        state.ResumeTiming();
        startup->mainWindow()->close();
    }
    startup.reset(); // the loop has ended: no longer timed
}

} // namespace

BENCHMARK(startToMainWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(closeToQuestion)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
