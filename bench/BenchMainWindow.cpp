// The main window's refresh and a ring range on a large stock, through the real widgets.
#include "StockGenerator.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/StockDocument.h"
#include "core/stock/StockSort.h"
#include "support/SampleAnimals.h"
#include "ui/breeding/BreedingDialog.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <optional>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

// The main window over a generated stock, shown.
struct Window
{
    Window(int animals, const QTemporaryDir& dir)
        : stock(generateStock(animals), DataFiles(dir.path() + QLatin1Char('/')))
        , preferences(dir.path() + QStringLiteral("/Avelor.ini"))
        , window(stock, preferences)
    {
        window.show();
    }
    MainWindow* operator->() { return &window; }

    StockDocument stock;
    PreferencesStore preferences;
    MainWindow window;
};

void refreshMainWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    Window window(int(state.range(0)), dir);
    for (auto _ : state)
        window->refresh();
}

// One bird changed (its remarks, so it stays where it is) with the main window following.
void changeOneBird(benchmark::State& state)
{
    QTemporaryDir dir;
    Window window(int(state.range(0)), dir);
    const QString ring = window.stock.animals()[window.stock.animals().size() / 2].ringNumber;
    int turn = 0;
    for (auto _ : state) {
        AnimalEdit edit = editOf(*window.stock.lastActive(ring));
        edit.fields.remarks = QStringLiteral("geändert %1").arg(++turn);
        window.stock.changeAnimal(ring, edit);
    }
}

void sortStock(benchmark::State& state)
{
    const StockData db = generateStock(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        AnimalTable animals = db.animals;
        state.ResumeTiming();
        sortStock(animals);
    }
}

void ringRangeOnLargeStock(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(100000, dir);
        window->window.findChild<QPushButton*>(QStringLiteral("enterAnimalsButton"))->click();
        auto* dialog = window->window.findChild<QDialog*>(QStringLiteral("EnterAnimalsDialog"));
        dialog->findChild<QCheckBox*>(QStringLiteral("showSeriesBox"))->setChecked(true);
        dialog->findChild<QComboBox*>(QStringLiteral("sexList"))->setCurrentIndex(1);
        for (const auto& [name, text] : {std::pair {"yearCombo", "2020"}, std::pair {"breederCombo", "Müller"},
                                         std::pair {"colourCombo", "gelb"}, std::pair {"markingsCombo", "einfarbig"}})
            dialog->findChild<QComboBox*>(QString::fromLatin1(name))->setEditText(QString::fromUtf8(text));
        dialog->findChild<QLineEdit*>(QStringLiteral("rangePrefix"))->setText(QStringLiteral("NEU-"));
        dialog->findChild<QLineEdit*>(QStringLiteral("rangeFrom"))->setText(QStringLiteral("00001"));
        dialog->findChild<QLineEdit*>(QStringLiteral("rangeTo"))->setText(QStringLiteral("10000"));
        auto* create = dialog->findChild<QPushButton*>(QStringLiteral("createRangeButton"));
        state.ResumeTiming();
        create->click();
        state.PauseTiming();
        if (window->stock.animals().size() != 110000)
            state.SkipWithError("range not created");
        window.reset();
        state.ResumeTiming();
    }
}

// Undo and redo of a range of 1 000 birds entered into 100 000, with the main
// window following (1) or the document alone (0); the history's memory as a counter.
void undoRedoRange(benchmark::State& state, bool undo)
{
    QTemporaryDir dir;
    std::optional<Window> window;
    std::optional<StockDocument> alone;
    if (state.range(0))
        window.emplace(100000, dir);
    else
        alone.emplace(generateStock(100000), DataFiles(dir.path() + QLatin1Char('/')));
    StockDocument& stock = window ? window->stock : *alone;
    AnimalTable range;
    for (int i = 1; i <= 1000; ++i) {
        Animal a = stock.animals().front();
        a.ringNumber = QStringLiteral("NEU-%1").arg(i, 5, 10, QLatin1Char('0'));
        range.push_back(a);
    }
    stock.appendAnimals(range);
    state.counters["history_bytes"] = double(stock.history().memory());
    for (auto _ : state) {
        if (undo) {
            stock.undo();
            state.PauseTiming();
            stock.redo();
        } else {
            state.PauseTiming();
            stock.undo();
            state.ResumeTiming();
            stock.redo();
            state.PauseTiming();
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (stock.animals().size() != 101000)
        state.SkipWithError("range not back");
}

void undoRange(benchmark::State& state)
{
    undoRedoRange(state, true);
}

void redoRange(benchmark::State& state)
{
    undoRedoRange(state, false);
}

// Opening the breeding dialog with 10 000 pairs and 100 000 animals, once
// after a change of the stock (its cock and hen lists are made) and again.
void breedingDialogOpens(benchmark::State& state)
{
    QTemporaryDir dir;
    StockDocument stock(generateStock(100000, 10000), DataFiles(dir.path() + QLatin1Char('/')));
    BreedingDialog dialog(stock);
    for (auto _ : state) {
        if (state.range(0)) {
            state.PauseTiming();
            stock.appendAnimals({stock.animals().front()});
            state.ResumeTiming();
        }
        dialog.show();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
}

void breedingDialogSwitchesPairs(benchmark::State& state)
{
    QTemporaryDir dir;
    StockDocument stock(generateStock(100000, 10000), DataFiles(dir.path() + QLatin1Char('/')));
    BreedingDialog dialog(stock);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("breedingTabs"));
    tabs->setCurrentIndex(1);
    auto* pairs = dialog.findChild<QComboBox*>(QStringLiteral("pairList"));
    int pair = 0;
    for (auto _ : state)
        pairs->setCurrentIndex(pair++ % 10000);
}

} // namespace

BENCHMARK(breedingDialogOpens)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(breedingDialogSwitchesPairs)->Unit(benchmark::kMillisecond);
BENCHMARK(refreshMainWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(undoRange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(redoRange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(changeOneBird)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortStock)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ringRangeOnLargeStock)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
