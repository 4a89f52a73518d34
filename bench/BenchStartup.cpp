// The program's start and close as the breeder meets them, with 100 000 and
// 1 000 000 animals: from the start until the main window shows (the splash
// left out; in this process, and as a program of its own), and from closing the main window until the question, both
// files written; and one certificate written by avelor-export, the whole process.
#include "StockGenerator.h"
#include "app/Startup.h"
#include "core/files/DataFiles.h"
#include "core/files/DataFolder.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"
#include "support/ScriptedMessages.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
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

// The same start as a program of its own, from launching it until its main
// window shows: the process's loading and Qt's own start included, and every
// page of memory it fills fresh from the system, as at a breeder's start (the
// start above reuses the memory its earlier turns gave back).
void startProcessToMainWindow(benchmark::State& state)
{
    homeWith(int(state.range(0)));
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QProcess program;
        program.start(QStringLiteral(AVELOR_START_UNTIL_SHOWN), {});
        QByteArray said;
        while (!said.contains("gezeigt") && program.waitForReadyRead(60000))
            said += program.readAllStandardOutput();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (!said.contains("gezeigt"))
            state.SkipWithError("the main window did not show");
        program.waitForFinished();
    }
}

// Arg 1 of 0: nothing changed since the start (the files hold the data:
// nothing is written); 1: one bird changed and saved in the background, then
// another changed just before closing (the close writes both files).
void closeToQuestion(benchmark::State& state)
{
    homeWith(int(state.range(0)));
    ScriptedMessages messages; // the question after the save is answered "Nein": nothing quits
    std::unique_ptr<Startup> startup;
    auto start = [&] {
        startup.reset();
        startup = std::make_unique<Startup>(0, 0);
        startup->start();
        while (!startup->mainWindow()->isVisible())
            QCoreApplication::processEvents();
    };
    // A generated stock is first sorted and marked as the program keeps it, and saved so.
    start();
    startup->mainWindow()->close();
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        start();
        if (state.range(1) == 1) {
            StockDocument& stock = *startup->stock();
            auto changeOne = [&] {
                const QString ring = generatedRing(++turn);
                AnimalEdit edit = editOf(*stock.lastActive(ring));
                edit.fields.remarks = QStringLiteral("geändert %1").arg(turn);
                stock.changeAnimal(ring, edit);
            };
            changeOne();
            const quint64 changed = stock.filesGeneration();
            while (!stock.files().hold(changed))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            changeOne(); // the background save waits a moment: the close comes first
        }
        state.ResumeTiming();
        startup->mainWindow()->close();
    }
    startup.reset(); // the loop has ended: no longer timed
}

// The process reads the stock, writes one PDF and ends: what a script calling it waits for.
void exportPedigree(benchmark::State& state)
{
    const QString home = homeWith(int(state.range(0)));
    const QString pdf = home + QStringLiteral("/nachweis.pdf");
    const QString ring = generatedRing(int(state.range(0)) - 1); // four generations of ancestors
    // Run under time(1), which reports the process's largest resident size in kB.
    const bool measured = QFile::exists(QStringLiteral("/usr/bin/time"));
    double residentMB = 0;
    for (auto _ : state) {
        QProcess tool;
        QStringList arguments {QStringLiteral("pedigree"), ring, QStringLiteral("-o"), pdf};
        if (measured)
            arguments = QStringList {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral(AVELOR_EXPORT_TOOL)}
                + arguments;
        tool.start(measured ? QStringLiteral("/usr/bin/time") : QStringLiteral(AVELOR_EXPORT_TOOL), arguments);
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            state.SkipWithError("avelor-export failed");
        const QList<QByteArray> lines = tool.readAllStandardError().trimmed().split('\n');
        residentMB = std::max(residentMB, lines.last().toDouble() / 1024);
    }
    if (measured)
        state.counters["max_resident_MB"] = residentMB;
}

} // namespace

BENCHMARK(startToMainWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(startProcessToMainWindow)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK(exportPedigree)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(closeToQuestion)->ArgsProduct({{100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
