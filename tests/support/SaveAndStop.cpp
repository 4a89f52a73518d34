// A program run for tests: loads a data folder as the program does, adds a
// bird "NEU" and a pair in cage 4711 and saves, ending the process the way a crash
// would (no clean-up, no destructors) right after step N of the disk's
// changes. "load" instead of "save" stops the start-up's repair in the same way.
// Run to its end, it prints how many steps it took.
//
//   SaveAndStop FOLDER save|load N
#include "core/files/DataFiles.h"
#include "core/files/FileSystem.h"
#include "support/SampleAnimals.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<int> stepsLeft {0};
std::atomic<int> stepsTaken {0};

void stopAtTheLimit(const char*, const QString&)
{
    ++stepsTaken;
    if (--stepsLeft == 0)
        std::_Exit(9);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool saving = qstrcmp(argv[2], "save") == 0;
    const int stopAfter = std::atoi(argv[3]);
    if (stopAfter == 0)
        return 9;
    DataFiles files(folder);
    StockData db;
    if (!saving) {
        stepsLeft = stopAfter;
        FileSystem::setStepObserver(stopAtTheLimit);
    }
    files.load(db);
    if (saving) {
        db.animals.push_back(testAnimal(QStringLiteral("NEU")));
        BreedingPair pair;
        pair.cageNumber = 4711;
        db.pairs.push_back(pair);
        stepsLeft = stopAfter;
        FileSystem::setStepObserver(stopAtTheLimit);
        if (!files.save(db).ok)
            return 1;
    }
    std::printf("%d\n", stepsTaken.load());
    return 0;
}
