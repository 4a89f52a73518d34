// The records beyond the stock file at 100 000 animals with 200 000 show results and a third of
// the birds placed: opening the database at start, a bird's records in the change dialog, one
// result added and committed, the list of places, a thousand birds moved at once.
#include "StockGenerator.h"
#include "core/files/DataSetNames.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/Locations.h"
#include "core/stock/StockDocument.h"
#include "ui/stock/ShowResultsPanel.h"
#include "ui/stock/WhereaboutsPanel.h"

#include "BenchMain.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <map>

namespace {

constexpr int kAnimals = 100000;
constexpr int kResults = 200000;

// A database file of the current version filled in one transaction (the program commits each
// change alone, which would take a night for 200 000 rows).
const QString& recordsFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.path() + QStringLiteral("/zusatzdaten.db");
        {
            RecordsDatabase schema;
            schema.open(file, RecordsDatabase::Access::Owner);
        }
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* ringRow = nullptr;
        sqlite3_stmt* result = nullptr;
        sqlite3_prepare_v2(db, "INSERT OR IGNORE INTO bird (ring) VALUES (?)", -1, &ringRow, nullptr);
        sqlite3_prepare_v2(db,
                           "INSERT INTO show_result (ring, date, show, class, half_points, award, collection) "
                           "VALUES (?, ?, ?, 'Gloster', ?, '', ?)",
                           -1, &result, nullptr);
        for (int i = 0; i < kResults; ++i) {
            const QByteArray ring = generatedRing(i % kAnimals).toUtf8();
            const QByteArray date = QStringLiteral("20%1-11-14").arg(10 + i % 15).toUtf8();
            const QByteArray show = QStringLiteral("Schau %1").arg(i % 300).toUtf8();
            sqlite3_bind_text(ringRow, 1, ring.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(ringRow);
            sqlite3_reset(ringRow);
            sqlite3_bind_text(result, 1, ring.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(result, 2, date.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(result, 3, show.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(result, 4, 170 + i % 30);
            if (i % 5 == 0)
                sqlite3_bind_int(result, 5, 1 + i % 3);
            else
                sqlite3_bind_null(result, 5);
            sqlite3_step(result);
            sqlite3_reset(result);
        }
        sqlite3_stmt* move = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO location_move (ring, date, location) VALUES (?, '2026-03-01', ?)", -1,
                           &move, nullptr);
        for (int i = 0; i < kAnimals; i += 3) {
            const QByteArray ring = generatedRing(i).toUtf8();
            const QByteArray place = QStringLiteral("Hecke %1").arg(i % 400).toUtf8();
            sqlite3_bind_text(ringRow, 1, ring.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(ringRow);
            sqlite3_reset(ringRow);
            sqlite3_bind_text(move, 1, ring.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(move, 2, place.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(move);
            sqlite3_reset(move);
        }
        sqlite3_finalize(move);
        sqlite3_finalize(ringRow);
        sqlite3_finalize(result);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return file;
    }();
    return path;
}

// A stock of this size with the records above, one per size for the whole run.
StockDocument& document(int animals = kAnimals)
{
    static std::map<int, std::pair<std::unique_ptr<QTemporaryDir>, std::unique_ptr<StockDocument>>> made;
    auto& [dir, stock] = made[animals];
    if (!stock) {
        dir = std::make_unique<QTemporaryDir>();
        auto records = std::make_unique<RecordsDatabase>();
        records->open(recordsFile(), RecordsDatabase::Access::Owner);
        stock = std::make_unique<StockDocument>(generateStock(animals), DataFiles(dir->path() + QLatin1Char('/')),
                                                std::move(records));
    }
    return *stock;
}

// What the start adds: the database opened, checked and brought up to date.
void recordsOpenAtStart(benchmark::State& state)
{
    recordsFile();
    for (auto _ : state) {
        RecordsDatabase records;
        if (!records.open(recordsFile(), RecordsDatabase::Access::Owner).message.isEmpty())
            state.SkipWithError("not opened");
    }
}

// Choosing a bird in the change dialog: its whereabouts and its results with their collections.
void recordsOfAnAnimalInTheDialog(benchmark::State& state)
{
    StockDocument& stock = document();
    WhereaboutsPanel whereabouts;
    ShowResultsPanel shows(stock);
    int i = 0;
    for (auto _ : state) {
        const QString ring = generatedRing(i++ % kAnimals);
        whereabouts.show(ring, stock.records().whereabouts(ring));
        shows.setRing(ring);
    }
}

// One result added, in 100 000 and in a million animals: a transaction committed to
// the disk (fsync included), and no data file written, now or by the next save.
void addAShowResult(benchmark::State& state)
{
    StockDocument& stock = document(int(state.range(0)));
    stock.save();
    const QString stockFile = stock.files().folder() + DataSetNames::StockFile;
    const QDateTime saved = QFileInfo(stockFile).lastModified();
    for (auto _ : state) {
        ShowResult r {0, generatedRing(7), QDate(2026, 11, 14), QStringLiteral("Bundesschau"), {}, 185, {}, {}};
        if (!stock.addShowResult(r).isEmpty())
            state.SkipWithError("not stored");
    }
    stock.save();
    if (QFileInfo(stockFile).lastModified() != saved)
        state.SkipWithError("the stock file was written");
}

// The Standorte window's list: every bird with its place, by place.
void listOfPlaces(benchmark::State& state)
{
    StockDocument& stock = document();
    stock.ringIndex();
    stock.alphabeticalRingOrder();
    for (auto _ : state)
        benchmark::DoNotOptimize(locatedBirds(stock).size());
}

// A thousand birds chosen in that list and moved: one transaction, one step of the history.
void moveAThousandBirds(benchmark::State& state)
{
    StockDocument& stock = document();
    QStringList rings;
    for (int i = 0; i < 1000; ++i)
        rings << generatedRing(i * 7);
    int round = 0;
    for (auto _ : state) {
        if (!stock.moveAnimals(rings, QStringLiteral("Voliere %1").arg(++round), QDate(2026, 12, 1)).isEmpty())
            state.SkipWithError("not stored");
    }
}

} // namespace

BENCHMARK(listOfPlaces)->Unit(benchmark::kMillisecond);
BENCHMARK(moveAThousandBirds)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(recordsOpenAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK(recordsOfAnAnimalInTheDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(addAShowResult)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(50);

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}
