// Backups and restores of the data files and the pictures, and the wipe.
#include "core/backup/Backup.h"
#include "core/files/DataFolder.h"
#include "core/stock/StockDocument.h"
#include "support/FileBytes.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        useTestHome(m_home->path());
        StockData db;
        db.print = PrintSettings::defaults();
        db.animals = {testAnimal("A-1"), testAnimal("B-2")};
        db.pairs = {{QStringLiteral("A-1"), QStringLiteral("B-2"), 1, 45000, {}}};
        m_stock = std::make_unique<StockDocument>(db, DataFiles(m_home->path() + QStringLiteral("/daten/")));
        put(picture("A-1"), "bild A");
    }

    void cleanup() { m_stock.reset(); }

    void theFirstBackupMakesItsFolder()
    {
        const BackupPlace place = BackupPlace::onDisk();
        QCOMPARE(place.folder, m_home->path() + QStringLiteral("/Documents/Sicherungskopie Kanarienvögel/"));
        QVERIFY(writeBackup(*m_stock, place).ok());
        QVERIFY(QFileInfo::exists(place.stockPath()));
        QCOMPARE(contents(place.picturesPath() + QStringLiteral("/A-1.jpg")), QByteArray("bild A"));

        // An empty database: a stock file of 318 bytes and a pair file of 4.
        StockData empty;
        QVERIFY(writeBackup(empty, RecordsDatabase(), place, QString()).ok());
        QCOMPARE(QFileInfo(place.stockPath()).size(), 318);
        QCOMPARE(contents(place.pairPath()), QByteArray(4, '\0'));
        QVERIFY(!QFileInfo::exists(place.picturesPath())); // no pictures, none backed up
    }

    // A backup, a change, a restore: the change is gone, pictures included, and the changed data are kept.
    void aRestoreBringsTheBackupBackAndKeepsWhatItReplaces()
    {
        const BackupPlace place = BackupPlace::onDisk();
        QVERIFY(writeBackup(*m_stock, place).ok());
        m_stock->appendAnimals({testAnimal("NEW")});
        put(picture("NEW"), "neues Bild");
        const RestoreOutcome outcome = restoreBackup(*m_stock, place);
        QCOMPARE(outcome.result, RestoreOutcome::Result::Restored);
        QCOMPARE(m_stock->animals().size(), size_t(2));
        QVERIFY(!QFileInfo::exists(picture("NEW")));
        QCOMPARE(contents(picture("A-1")), QByteArray("bild A"));
        QVERIFY(outcome.keptAs.contains(QStringLiteral("vor Wiederherstellung")));
        StockData kept;
        DataFiles(outcome.keptAs).load(kept);
        QCOMPARE(kept.animals.size(), size_t(3));
        QCOMPARE(contents(outcome.keptAs + QStringLiteral("Bilder/NEW.jpg")), QByteArray("neues Bild"));
    }

    void withoutABackupNothingHappens()
    {
        const RestoreOutcome outcome = restoreBackup(*m_stock, BackupPlace::onDisk());
        QCOMPARE(outcome.result, RestoreOutcome::Result::NoBackup);
        QCOMPARE(m_stock->animals().size(), size_t(2));
    }

    // The stock read whole still counts when the pair file is missing; the pictures stay untouched.
    void aMissingPairFileRestoresTheStockOnly()
    {
        const BackupPlace place = BackupPlace::onDrive(m_home->path() + QStringLiteral("/stick"));
        StockData backup;
        backup.animals = {testAnimal("OLD")};
        QVERIFY(writeBackup(backup, RecordsDatabase(), place, pictures()).ok());
        QFile::remove(place.pairPath());
        put(picture("B-2"), "bild B");
        const RestoreOutcome outcome = restoreBackup(*m_stock, place);
        QCOMPARE(outcome.result, RestoreOutcome::Result::Failed);
        QCOMPARE(m_stock->animals().size(), size_t(1));
        QCOMPARE(m_stock->pairs().size(), size_t(1));
        QCOMPARE(contents(picture("B-2")), QByteArray("bild B"));
    }

    // A backup file cut off anywhere changes nothing in memory.
    void aTruncatedBackupChangesNothing()
    {
        const BackupPlace place = BackupPlace::onDrive(m_home->path() + QStringLiteral("/stick"));
        StockData backup;
        backup.animals = {testAnimal("OLD"), testAnimal("OLDER")};
        QVERIFY(writeBackup(backup, RecordsDatabase(), place, QString()).ok());
        const QByteArray whole = contents(place.stockPath());
        const StockData before = m_stock->data();
        for (qsizetype length = 0; length < whole.size(); length += 7) {
            put(place.stockPath(), whole.left(length));
            QCOMPARE(restoreBackup(*m_stock, place).result, RestoreOutcome::Result::Failed);
            QVERIFY(m_stock->data() == before);
        }
    }

    void aBackupWithoutPicturesKeepsTheBreedersPictures()
    {
        const BackupPlace place = BackupPlace::onDrive(m_home->path() + QStringLiteral("/stick"));
        QVERIFY(writeBackup(m_stock->data(), RecordsDatabase(), place, QString()).ok());
        QCOMPARE(restoreBackup(*m_stock, place).result, RestoreOutcome::Result::Restored);
        QCOMPARE(contents(picture("A-1")), QByteArray("bild A"));
    }

    // A picture that cannot be copied is named; the data files are written all the same.
    void aPictureThatCannotBeCopiedIsNamed()
    {
        put(picture("GROSS"), QByteArray(200 * 1024, 'x'));
        const BackupPlace place = BackupPlace::onDrive(m_home->path() + QStringLiteral("/stick"));
        BackupOutcome outcome;
        {
#ifdef Q_OS_WIN
            HeldFile held(picture("GROSS"));
#else
            FileSizeLimit limit(100 * 1024);
#endif
            outcome = writeBackup(*m_stock, place);
        }
        QVERIFY(outcome.error.isEmpty());
        QCOMPARE(outcome.failedPictures.size(), 1);
        QVERIFY(outcome.failedPictures[0].startsWith(QStringLiteral("GROSS.jpg")));
        QVERIFY(QFileInfo::exists(place.stockPath()));
        QCOMPARE(contents(place.picturesPath() + QStringLiteral("/A-1.jpg")), QByteArray("bild A"));
    }

    void aBackupThatCannotBeWrittenSaysSo()
    {
        put(m_home->path() + QStringLiteral("/nur-eine-datei"), "x"); // no folder can be made there
        const BackupOutcome outcome
            = writeBackup(*m_stock, BackupPlace::onDrive(m_home->path() + QStringLiteral("/nur-eine-datei")));
        QVERIFY(!outcome.error.isEmpty());
    }

    // Cancelled while the pictures are copied, a backup leaves the previous backup whole, and a
    // restore leaves the data and the pictures as they were.
    void aCancelledPictureCopyChangesNothing()
    {
        const BackupPlace place = BackupPlace::onDrive(m_home->path() + QStringLiteral("/stick"));
        QVERIFY(writeBackup(*m_stock, place).ok());
        const QByteArray stockBefore = contents(place.stockPath());
        const QByteArray pairsBefore = contents(place.pairPath());
        const StockData before = m_stock->data();
        m_stock->appendAnimals({testAnimal("NEW")});
        put(picture("NEW"), "neues Bild");
        put(picture("ZZ"), "noch ein Bild");
        const auto cancelAtSecond = [](int done, int) {
            return done < 1;
        };

        const BackupOutcome backup = writeBackup(*m_stock, place, cancelAtSecond);
        QVERIFY(backup.cancelled);
        QCOMPARE(contents(place.stockPath()), stockBefore);
        QCOMPARE(contents(place.pairPath()), pairsBefore);
        QCOMPARE(QDir(place.picturesPath()).entryList(QDir::Files), QStringList {"A-1.jpg"});

        const StockData changed = m_stock->data();
        const RestoreOutcome restore = restoreBackup(*m_stock, place, [](int, int) { return false; });
        QCOMPARE(restore.result, RestoreOutcome::Result::Failed);
        QVERIFY(restore.problem.contains(QStringLiteral("abgebrochen")));
        QVERIFY(m_stock->data() == changed);
        QCOMPARE(contents(picture("NEW")), QByteArray("neues Bild"));
        QVERIFY(m_stock->data() != before);
    }

    // Restores in quick succession each keep their safety copy; only the newest few stay.
    void safetyCopiesNeverCollideAndTheOldestGo()
    {
        const BackupPlace place = BackupPlace::onDrive(m_home->path() + QStringLiteral("/stick"));
        QVERIFY(writeBackup(m_stock->data(), RecordsDatabase(), place, QString()).ok());
        QStringList kept;
        for (int i = 0; i < kKeptSafetyCopies + 2; ++i) {
            m_stock->appendAnimals({testAnimal(QByteArray("N-") + QByteArray::number(i))});
            const RestoreOutcome outcome = restoreBackup(*m_stock, place);
            QCOMPARE(outcome.result, RestoreOutcome::Result::Restored);
            QVERIFY(!kept.contains(outcome.keptAs));
            kept << outcome.keptAs;
        }
        const QStringList left
            = QDir(m_stock->files().folder()).entryList({QStringLiteral("vor Wiederherstellung *")}, QDir::Dirs);
        QCOMPARE(left.size(), kKeptSafetyCopies);
        StockData newest;
        DataFiles(kept.last()).load(newest, DataFiles::Access::ReadOnly);
        QVERIFY(std::any_of(newest.animals.begin(), newest.animals.end(),
                            [](const Animal& a) { return a.ringNumber == QStringLiteral("N-6"); }));
    }

    void theWipeKeepsThePrintSettings()
    {
        PrintSettings print = m_stock->printSettings();
        print.headerColour = 0x123456;
        m_stock->setPrintSettings(print);
        m_stock->wipe();
        QVERIFY(m_stock->animals().empty() && m_stock->pairs().empty());
        QCOMPARE(m_stock->breeder(), BreederData {});
        QCOMPARE(m_stock->printSettings().headerColour, 0x123456u);
        QVERIFY(!QFileInfo::exists(pictures()));
    }

private:
    QString pictures() const
    {
        return m_stock->pictures().folder().chopped(1);
    }
    QString picture(const char* ring) const
    {
        return m_stock->pictures().pathOf(QString::fromLatin1(ring));
    }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<StockDocument> m_stock;
};

QTEST_GUILESS_MAIN(TestBackup)
#include "TestBackup.moc"
