// A save stopped after each of its steps on the disk, as a crash or a power
// cut would stop it, and the next start on what it left.
#include "core/files/DataFiles.h"
#include "core/files/SaveJournal.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs the helper; its standard output, or nothing when it ended otherwise than saving whole.
QByteArray saveAndStop(const QString& folder, const char* what, int stopAfter, int& exitCode)
{
    QProcess helper;
    helper.start(QStringLiteral(AVELOR_SAVE_AND_STOP), {folder, QString::fromLatin1(what), QString::number(stopAfter)});
    if (!helper.waitForFinished(60000))
        return {};
    exitCode = helper.exitCode();
    return helper.readAllStandardOutput().trimmed();
}

StockData oldData()
{
    StockData db;
    db.animals = {testAnimal(QStringLiteral("ALT-1")), testAnimal(QStringLiteral("ALT-2"))};
    BreedingPair pair;
    pair.cageNumber = 7;
    db.pairs = {pair};
    return db;
}

// What the files say: "old", "new", or what is wrong.
QString whichData(const StockData& db)
{
    const bool newAnimal = std::any_of(db.animals.begin(), db.animals.end(),
                                       [](const Animal& a) { return a.ringNumber == QLatin1String("NEU"); });
    const bool newPair
        = std::any_of(db.pairs.begin(), db.pairs.end(), [](const BreedingPair& p) { return p.cageNumber == 4711; });
    const bool oldAll = db.animals.size() == 2 + size_t(newAnimal) && db.pairs.size() == 1 + size_t(newPair);
    if (!oldAll)
        return QStringLiteral("%1 birds, %2 pairs").arg(db.animals.size()).arg(db.pairs.size());
    if (newAnimal != newPair)
        return newAnimal ? QStringLiteral("new stock, old pairs") : QStringLiteral("old stock, new pairs");
    return newAnimal ? QStringLiteral("new") : QStringLiteral("old");
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

void copyFolder(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QVERIFY(QDir().mkpath(to));
    for (const QString& name : filesIn(from))
        QVERIFY(QFile::copy(from + name, to + name));
}

} // namespace

class TestInterruptedSave : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QStringLiteral("/Daten/");
        QVERIFY(DataFiles(m_folder).save(oldData()).ok);
    }

    // Stopped after every step in turn, the next start finds the complete old or the complete new
    // data, leaves nothing behind, and saves again normally. A start stopped in its own repair
    // is repaired by the start after it.
    void everyStepLeavesTheOldOrTheNewData()
    {
        int exit = -1;
        const int steps = saveAndStop(m_folder, "save", 1000, exit).toInt();
        QCOMPARE(exit, 0);
        QVERIFY2(steps >= 8, qPrintable(QString::number(steps)));
        const QStringList clean = filesIn(m_folder);
        QSet<QString> seen;
        for (int stop = 1; stop <= steps; ++stop) {
            const QString folder = m_dir->path() + QStringLiteral("/Lauf-%1/").arg(stop);
            QVERIFY(DataFiles(folder).save(oldData()).ok);
            saveAndStop(folder, "save", stop, exit);
            QCOMPARE(exit, 9);

            // A reader beside the program already sees whole data and changes nothing.
            const QStringList leftOver = filesIn(folder);
            StockData seenByReader;
            QVERIFY(DataFiles(folder).load(seenByReader, DataFiles::Access::ReadOnly).messages.isEmpty());
            QCOMPARE(filesIn(folder), leftOver);
            const QString readerSaw = whichData(seenByReader);
            const QString state = QStringLiteral("stopped after step %1 of %2: ").arg(stop).arg(steps);

            // The start's repair, itself stopped after each of its steps, on copies of what the save left.
            const QString copy = m_dir->path() + QStringLiteral("/Kopie/");
            copyFolder(folder, copy);
            const int repairSteps = saveAndStop(copy, "load", 1000, exit).toInt();
            for (int repairStop = 1; repairStop < repairSteps; ++repairStop) {
                copyFolder(folder, copy);
                saveAndStop(copy, "load", repairStop, exit);
                StockData repaired;
                QVERIFY(DataFiles(copy).load(repaired).messages.isEmpty());
                QVERIFY2(whichData(repaired) == readerSaw, qPrintable(state + QString::number(repairStop)));
            }

            StockData db;
            const DataFiles::StartupResult loaded = DataFiles(folder).load(db);
            QVERIFY2(loaded.messages.isEmpty(), qPrintable(state + loaded.messages.join(' ')));
            const QString found = whichData(db);
            QVERIFY2(found == QLatin1String("old") || found == QLatin1String("new"), qPrintable(state + found));
            QCOMPARE(found, readerSaw);
            QCOMPARE(filesIn(folder), clean);
            seen.insert(found);

            db.animals.push_back(testAnimal(QStringLiteral("DANACH")));
            QVERIFY(DataFiles(folder).save(db).ok);
            StockData after;
            DataFiles(folder).load(after);
            QCOMPARE(after.animals.size(), db.animals.size());
        }
        QCOMPARE(seen, (QSet<QString> {"old", "new"}));
    }

    // What an earlier version's save left when stopped between its renames: the stock file
    // aside and none in its place. The start puts it back before it reads, and the close
    // saves the whole stock, not an empty one.
    void theOldStockSetAsideByAnEarlierVersionComesBackBeforeReading()
    {
        DataFiles files(m_folder);
        QVERIFY(QFile::rename(files.stockPath(), files.stockPath() + QStringLiteral(".avelor-tmp-old")));
        put(files.stockPath() + QStringLiteral(".avelor-tmp-Xy12Ab"), "die neue Datei, unvollständig");
        StockData db;
        QVERIFY(files.load(db).messages.isEmpty());
        QCOMPARE(whichData(db), QStringLiteral("old"));
        QVERIFY(files.save(db).ok);
        StockData again;
        files.load(again);
        QCOMPARE(again.animals.size(), size_t(2));
        QCOMPARE(filesIn(m_folder), (QStringList {".avelor-speichern", "taubenstamm.dat", "zuchtpaare.dat"}));
    }

    // New files that are not what the marker says, or a marker no save of this program wrote,
    // never win over the old pair.
    void onlyACompleteNewPairWins()
    {
        DataFiles files(m_folder);
        const SaveJournal journal(m_folder);
        const QByteArray stockBefore = contents(files.stockPath());
        const QByteArray pairsBefore = contents(files.pairPath());
        for (const QByteArray& marker : {QByteArray("avelor-save 1\n9999\n4\n"), QByteArray("irgendetwas")}) {
            put(journal.newStockPath(), "kurz");
            put(journal.newPairPath(), QByteArray(4, '\0'));
            put(m_folder + SaveJournal::markerName(), marker);
            StockData db;
            QVERIFY(files.load(db).messages.isEmpty());
            QCOMPARE(whichData(db), QStringLiteral("old"));
            QCOMPARE(contents(files.stockPath()), stockBefore);
            QCOMPARE(contents(files.pairPath()), pairsBefore);
            QCOMPARE(filesIn(m_folder), (QStringList {".avelor-speichern", "taubenstamm.dat", "zuchtpaare.dat"}));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestInterruptedSave)
#include "TestInterruptedSave.moc"
