#include "core/files/DataFiles.h"
#include "core/stock/BackgroundSave.h"
#include "core/stock/StockDocument.h"
#include "support/FileBytes.h"
#include "support/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList damagedCopies(const QString& folder, const QString& name)
{
    return QDir(folder).entryList({name + QStringLiteral(".beschaedigt-*")}, QDir::Files);
}

} // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QStringLiteral("/Daten/");
    }

    void firstStartUsesDefaultsAndWritesOnlyWhenSaving()
    {
        DataFiles files(m_folder);
        StockData db;
        const auto result = files.load(db);
        QVERIFY(!result.terminate);
        QVERIFY(result.messages.isEmpty());
        QCOMPARE(db.print, PrintSettings::defaults());
        QVERIFY(!QFile::exists(files.stockPath())); // nothing written until the save

        const DataFiles::SaveResult first = files.save(db);
        QVERIFY2(first.ok, qPrintable(first.message));
        QCOMPARE(QFileInfo(files.stockPath()).size(), 318);
        QCOMPARE(contents(files.pairPath()), QByteArray(4, '\0'));
    }

    void wrongVersionEndsWithoutTouchingAnything()
    {
        DataFiles files(m_folder);
        QDir().mkpath(m_folder);
        QByteArray bytes = SampleFiles::stock(true);
        bytes[0] = '\xA4';
        put(files.stockPath(), bytes);
        StockData db;
        const auto result = files.load(db);
        QVERIFY(result.terminate);
        QCOMPARE(result.messages.size(), 1);
        QVERIFY(result.messages[0].startsWith(QStringLiteral("Ihre Version der Datenbank ist mit dieser Version "
                                                             "nicht kompatibel. Bitte kontaktieren Sie den Autor ")));
        QVERIFY(
            result.messages[0].endsWith(QStringLiteral("Die Daten können dann ins neue Format konvertiert werden.")));
        QCOMPARE(contents(files.stockPath()), bytes);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), 1);
    }

    void damagedStockIsReportedAndKeptBeforeAnySave()
    {
        DataFiles files(m_folder);
        QDir().mkpath(m_folder);
        const QByteArray full = SampleFiles::stock(true);
        const QByteArray cut = full.left(8 + 222 + 100);
        put(files.stockPath(), cut);
        put(files.pairPath(), SampleFiles::pairs(true));
        StockData db;
        const auto result = files.load(db);
        QVERIFY(!result.terminate);
        QCOMPARE(result.messages.size(), 1);
        QVERIFY(result.messages[0].contains(QDir::toNativeSeparators(files.stockPath())));
        QVERIFY(result.messages[0].contains(QStringLiteral("Gelesen wurden 1 von 4")));
        QCOMPARE(db.animals.size(), size_t(1));
        QCOMPARE(db.pairs.size(), size_t(2));

        const QStringList copies = damagedCopies(m_folder, QStringLiteral("taubenstamm.dat"));
        QCOMPARE(copies.size(), 1);
        QVERIFY(result.messages[0].contains(copies[0]));
        QVERIFY(files.save(db).ok);
        QCOMPARE(contents(m_folder + copies[0]), cut);
    }

    void damagedPairFileGivesEmptyPairsAndIsKept()
    {
        DataFiles files(m_folder);
        QDir().mkpath(m_folder);
        const QByteArray cut = SampleFiles::pairs(true).left(100);
        put(files.pairPath(), cut);
        StockData db;
        const auto result = files.load(db);
        QCOMPARE(result.messages.size(), 1);
        QVERIFY(result.messages[0].contains(QDir::toNativeSeparators(files.pairPath())));
        QVERIFY(db.pairs.empty());
        const QStringList copies = damagedCopies(m_folder, QStringLiteral("zuchtpaare.dat"));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(contents(m_folder + copies[0]), cut);
    }

    // A file there but not readable (permissions) is not guessed at: the start ends, the export
    // fails, and neither calls it damaged or copies it.
    void anUnreadableFileEndsTheStartAndStaysAsItIs()
    {
        DataFiles files(m_folder);
        StockData db;
        db.animals = {Animal {}};
        QVERIFY(files.save(db).ok);
        for (const QString& path : {files.stockPath(), files.pairPath()}) {
            const QStringList before = QDir(m_folder).entryList(QDir::Files | QDir::Hidden);
            const NoAccess unreadable(path, NoAccess::What::ReadFile);
            QVERIFY(unreadable.works());
            for (const DataFiles::Access access : {DataFiles::Access::Owner, DataFiles::Access::ReadOnly}) {
                StockData read;
                const DataFiles::StartupResult loaded = files.load(read, access);
                QVERIFY(loaded.terminate);
                QCOMPARE(loaded.messages.size(), 1);
                QVERIFY2(loaded.messages[0].contains(QStringLiteral("kann aber nicht gelesen werden")),
                         qPrintable(loaded.messages[0]));
                QVERIFY(loaded.messages[0].contains(QDir::toNativeSeparators(path)));
                QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), before);
            }
        }
    }

    void failedSaveKeepsThePreviousFiles()
    {
        DataFiles files(m_folder);
        StockData db;
        files.load(db);
        QVERIFY(files.save(db).ok);
        const QByteArray before = contents(files.stockPath());

        Animal a;
        a.ringNumber = QStringLiteral("R");
        a.remarks = QString(300, QLatin1Char('x'));
        db.animals.assign(2000, a); // about 1 MB
        DataFiles::SaveResult saved;
        {
#ifdef Q_OS_WIN
            // Windows limits no file's size per process: the file is held open instead.
            HeldFile held(files.stockPath());
            const QString reason = QStringLiteral("Zugriff verweigert");
#else
            FileSizeLimit limit(64 * 1024);
            const QString reason = QStringLiteral("Datei zu groß");
#endif
            saved = files.save(db);
            QVERIFY2(saved.message.contains(reason), qPrintable(saved.message));
        }
        QVERIFY(!saved.ok);
        QVERIFY(saved.message.contains(QDir::toNativeSeparators(files.stockPath())));
        QCOMPARE(contents(files.stockPath()), before);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), 2); // no temporary left
    }

    // The stock file is replaced only together with the pair file: a save that fails on the
    // pairs leaves both files of the previous save.
    void bothFilesOrNeither()
    {
        DataFiles files(m_folder);
        StockData db;
        db.animals = {Animal {}};
        QVERIFY(files.save(db).ok);
        const QByteArray stockBefore = contents(files.stockPath());
        db.animals[0].ringNumber = QStringLiteral("NEU");
        db.pairs.assign(20000, BreedingPair {}); // about 1 MB, the stock file far less
        DataFiles::SaveResult saved;
        {
#ifdef Q_OS_WIN
            HeldFile held(files.pairPath());
#else
            FileSizeLimit limit(64 * 1024);
#endif
            saved = files.save(db);
        }
        QVERIFY(!saved.ok);
        QVERIFY(saved.message.contains(QDir::toNativeSeparators(files.pairPath())));
        QCOMPARE(contents(files.stockPath()), stockBefore);
        QCOMPARE(contents(files.pairPath()), QByteArray(4, '\0'));

        // The pair file that cannot be replaced at the last step (a folder in its place):
        // the new stock file was in place already and goes back.
        QVERIFY(QFile::remove(files.pairPath()));
        put(files.pairPath() + QStringLiteral("/im-weg"), "x");
        db.pairs.clear();
        QVERIFY(!files.save(db).ok);
        QCOMPARE(contents(files.stockPath()), stockBefore);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList {"taubenstamm.dat"}); // nothing left aside
    }

    // A save in the background that ends after a newer one must not put older data back.
    void anOlderSaveNeverOverwritesANewerOne()
    {
        DataFiles files(m_folder);
        const DataFiles sharing = files; // the background save's copy shares the state
        StockData newer;
        newer.animals = {Animal {}};
        QVERIFY(files.save(newer, 7).ok);
        QVERIFY(sharing.save(StockData {}, 6).ok);
        StockData read;
        files.load(read);
        QCOMPARE(read.animals.size(), size_t(1));
        QVERIFY(sharing.save(StockData {}, 8).ok);
        files.load(read);
        QVERIFY(read.animals.empty());
    }

    // The save at close writes only what the files do not hold already:
    // nothing after a whole start without a change, nor after the background
    // save of the last change; a start from a damaged file is always saved.
    void theSaveWritesOnlyDataTheFilesDoNotHold()
    {
        QDir().mkpath(m_folder);
        DataFiles files(m_folder);
        put(files.stockPath(), SampleFiles::stock(true));
        put(files.pairPath(), SampleFiles::pairs(true));
        StockData db;
        QVERIFY(files.load(db).messages.isEmpty());
        StockDocument stock(std::move(db), files);
        const QByteArray untouched = SampleFiles::stock(true) + "unberührt";
        put(files.stockPath(), untouched); // what a write would replace
        QVERIFY(stock.save().ok);
        QCOMPARE(contents(files.stockPath()), untouched);

        BackgroundSave saving(stock, 0);
        QSignalSpy saved(&saving, &BackgroundSave::saved);
        BreederData breeder = stock.breeder();
        breeder.phone = QStringLiteral("0561 1234");
        stock.setBreederData(breeder);
        QVERIFY(saved.wait());
        const QByteArray afterChange = contents(files.stockPath()) + "unberührt";
        put(files.stockPath(), afterChange);
        QVERIFY(stock.save().ok);
        QCOMPARE(contents(files.stockPath()), afterChange);
        breeder.phone.clear();
        stock.setBreederData(breeder);
        saving.finish(); // the close stops the background save first
        QVERIFY(stock.save().ok);
        QVERIFY(!contents(files.stockPath()).endsWith("unberührt"));

        const QByteArray cut = SampleFiles::stock(true).left(300);
        put(files.stockPath(), cut);
        DataFiles again(m_folder);
        StockData read;
        QCOMPARE(again.load(read).messages.size(), 1);
        StockDocument fromDamaged(std::move(read), again);
        QVERIFY(fromDamaged.save().ok);
        QVERIFY(contents(files.stockPath()) != cut);
    }

    // A picture copy stopped between its two renames left the old pictures aside: they come back.
    void anInterruptedPictureSwapIsUndoneAtStart()
    {
        const QString pictures = m_folder + QStringLiteral("Bilder");
        put(pictures + QStringLiteral(".avelor-tmp-old/A.jpg"), "alt");
        put(pictures + QStringLiteral(".avelor-tmp-Qw3rTy/A.jpg"), "halb kopiert");
        StockData db;
        DataFiles(m_folder).load(db);
        QCOMPARE(contents(pictures + QStringLiteral("/A.jpg")), QByteArray("alt"));
        QCOMPARE(QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList {"Bilder"});
    }

    // Only what the program provably wrote goes: a breeder's own copies stay byte for byte.
    void onlyTheProgramsOwnTemporariesAreRemovedAtStart()
    {
        DataFiles files(m_folder);
        const QString stray = files.stockPath() + QStringLiteral(".avelor-tmp-Ab3xYz");
        put(stray, "half");
        const QStringList own = {QStringLiteral(".sicher"), QStringLiteral(".kopie1"), QStringLiteral(".Ab3xYz"),
                                 QStringLiteral(".beschaedigt-20260101-101010")};
        for (const QString& suffix : own)
            put(files.stockPath() + suffix, suffix.toUtf8());
        put(files.pairPath() + QStringLiteral(".backup"), "meins");
        StockData db;
        files.load(db);
        QVERIFY(files.save(db).ok);
        QVERIFY(!QFile::exists(stray));
        for (const QString& suffix : own)
            QCOMPARE(contents(files.stockPath() + suffix), suffix.toUtf8());
        QCOMPARE(contents(files.pairPath() + QStringLiteral(".backup")), QByteArray("meins"));
        QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), 7);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "TestDataFiles.moc"
