// The main window of 100 000 animals with a screen reader's accessibility bus:
// from creating it to showing it, and from the close command to the closing
// question. Run through scripts/bench-accessibility, which starts the bus and
// a listener for the events a screen reader asks for.
#include "StockGenerator.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Answers the closing question with "Nein" and notes when it was asked.
class ClockedMessages : public Messages
{
public:
    void inform(QWidget*, const QString&) override { }
    void warn(QWidget*, const QString&) override { }
    bool askYesNo(QWidget*, const QString&, const QString&) override
    {
        asked = clock.nsecsElapsed();
        return false;
    }
    QElapsedTimer clock;
    qint64 asked = 0;
};

const StockData& stock()
{
    static const StockData db = generateStock(100000, 1000);
    return db;
}

void mainWindowShown(benchmark::State& state)
{
    QTemporaryDir dir;
    StockDocument document(stock(), DataFiles(dir.path() + QLatin1Char('/')));
    PreferencesStore preferences(dir.path() + QStringLiteral("/Avelor.ini"));
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(document, preferences);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window did not show");
        QApplication::processEvents();
        state.PauseTiming(); // closing the window is not part of it
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["accessible"] = QAccessible::isActive();
}

void closeToQuestion(benchmark::State& state)
{
    QTemporaryDir dir;
    StockDocument document(stock(), DataFiles(dir.path() + QLatin1Char('/')));
    PreferencesStore preferences(dir.path() + QStringLiteral("/Avelor.ini"));
    MainWindow window(document, preferences);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window did not show");
    ClockedMessages messages;
    Messages::install(&messages);
    for (auto _ : state) {
        messages.clock.start();
        window.close();
        state.SetIterationTime(double(messages.asked) / 1e9);
        QApplication::processEvents();
    }
    Messages::install(nullptr);
}

} // namespace

BENCHMARK(mainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(closeToQuestion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
