// Load and save of large stocks and pair tables, through real files.
#include "StockGenerator.h"
#include "core/backup/Backup.h"
#include "core/files/DataFiles.h"
#include "core/files/PairFile.h"
#include "core/files/StockFile.h"
#include "core/stock/BackgroundSave.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"

#include "BenchMain.h"

#include <QCoreApplication>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>

namespace {

void saveStock(benchmark::State& state)
{
    QTemporaryDir dir;
    DataFiles files(dir.path() + QLatin1Char('/'));
    const StockData db = generateStock(int(state.range(0)));
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
        auto db = std::make_unique<StockData>();
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
    const StockData db = generateStock(1000, int(state.range(0)));
    for (auto _ : state) {
        files.save(db);
        StockData back;
        files.load(back);
        if (back.pairs.size() != db.pairs.size())
            state.SkipWithError("pairs lost");
    }
}

// A stock of 100 000 animals with 2 000 pictures of 100 kB: the data folder
// for the backup benchmarks.
struct PictureStock
{
    PictureStock() : stock(generateStock(100000, 1000), DataFiles(dir.path() + QStringLiteral("/daten/")))
    {
        QDir().mkpath(stock.pictures().folder());
        const QByteArray picture(100 * 1024, 'j');
        for (int i = 0; i < 2000; ++i) {
            QFile file(stock.pictures().pathOf(generatedRing(i)));
            if (file.open(QIODevice::WriteOnly))
                file.write(picture);
        }
    }
    QTemporaryDir dir;
    StockDocument stock;
};

void backup(benchmark::State& state)
{
    PictureStock data;
    const BackupPlace place = BackupPlace::onDrive(data.dir.path() + QStringLiteral("/stick"));
    for (auto _ : state) {
        if (!writeBackup(data.stock, place).ok())
            state.SkipWithError("backup failed");
    }
}

void restore(benchmark::State& state)
{
    PictureStock data;
    const BackupPlace place = BackupPlace::onDrive(data.dir.path() + QStringLiteral("/stick"));
    writeBackup(data.stock, place);
    for (auto _ : state) {
        const RestoreOutcome outcome = restoreBackup(data.stock, place);
        if (outcome.result != RestoreOutcome::Result::Restored)
            state.SkipWithError("restore failed");
        state.PauseTiming(); // the copy kept of the data before is not part of the next run
        QDir(outcome.keptAs).removeRecursively();
        state.ResumeTiming();
    }
}

// What the editing thread waits for one save in the background: the longest
// turn of its event loop from the change until the saving thread runs (the
// encoding of what the change reached, in slices, and the start of the
// thread). The save itself runs beside it. Arg 1: one bird changed; 0: the
// breeder's address.
void backgroundSaveWait(benchmark::State& state)
{
    QTemporaryDir dir;
    const int count = int(state.range(0));
    static std::map<int, StockData> generated; // made once per size for all repetitions
    if (!generated.contains(count))
        generated[count] = generateStock(count);
    StockDocument stock(generated[count], DataFiles(dir.path() + QLatin1Char('/')));
    BackgroundSave saving(stock, 0);
    BreederData breeder;
    int turn = 0;
    auto change = [&] {
        ++turn;
        if (state.range(1) == 0) {
            breeder.phone = QString::number(turn);
            stock.setBreederData(breeder);
            return;
        }
        const QString ring = generatedRing((turn * 7919) % count);
        AnimalEdit edit = editOf(*stock.lastActive(ring));
        edit.fields.remarks = QStringLiteral("Bemerkung %1").arg(turn);
        stock.changeAnimal(ring, edit);
    };
    // Until the saving thread runs; the longest turn, in seconds.
    auto longestTurnUntilSaving = [&] {
        double longest = 0;
        QElapsedTimer clock;
        while (!saving.saving()) {
            clock.start();
            QCoreApplication::processEvents();
            longest = std::max(longest, clock.nsecsElapsed() / 1e9);
        }
        return longest;
    };
    // The first save after the start encodes the whole stock, slice by slice.
    change();
    double first = longestTurnUntilSaving();
    saving.finish();
    for (auto _ : state) {
        change();
        state.SetIterationTime(longestTurnUntilSaving());
        saving.finish();
    }
    state.counters["first_ms"] = first * 1000;
}

double maximum(const std::vector<double>& values)
{
    return *std::max_element(values.begin(), values.end());
}

} // namespace

BENCHMARK(backgroundSaveWait)
    ->ArgsProduct({{100000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(15)
    ->ComputeStatistics("max", maximum)
    ->ReportAggregatesOnly();
BENCHMARK(backup)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(restore)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(saveStock)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(loadStock)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(saveAndLoadPairs)->Arg(10000)->Unit(benchmark::kMillisecond);
int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
