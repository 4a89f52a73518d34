// avelor-import as a script calls it: what it prints, its exit codes, and
// that it writes the data folder only when every row is right and the
// folder is free.
#include "app/ImportTool.h"
#include "core/export/CsvExport.h"
#include "core/files/DataFiles.h"
#include "core/files/DataFolderLock.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/PedigreeSample.h"
#include "support/SampleAnimals.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct Outcome
{
    int code = -1;
    QString out;
    QString err;
};

} // namespace

class TestImportTool : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QStringLiteral("/daten/");
        QDir().mkpath(m_folder);
    }

    void importsSavesAndTellsWhatItDid()
    {
        const QString csv = file("bestand.csv", "Ring;Geschl.;Jahr;Vater\nA-1;1.0;2020;\nB-2;0.1;21;A-1\n");
        Outcome dry = run({"--dry-run", csv});
        QCOMPARE(dry.code, 0);
        QCOMPARE(dry.out, QStringLiteral("2 neu, 0 geändert, 0 unverändert, 0 fehlerhaft\n"));
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("taubenstamm.dat")));

        QCOMPARE(run({csv}).code, 0);
        QCOMPARE(stock().animals.size(), size_t(2));
        QCOMPARE(stock().animals[1].fatherRing, QStringLiteral("A-1"));
        QCOMPARE(stock().animals[1].birthYear, 2021);

        const QString update = file("neu.csv", "Ring;Jahr\nA-1;2019\n");
        QCOMPARE(run({"--keep", update}).out,
                 QStringLiteral("Zeile 2: A-1: anders in der Datei, das Gespeicherte bleibt: Geburtsjahr\n"
                                "0 neu, 0 geändert, 1 unverändert, 0 fehlerhaft\n"));
        QCOMPARE(run({update}).out, QStringLiteral("0 neu, 1 geändert, 0 unverändert, 0 fehlerhaft\n"));
        QCOMPARE(stock().animals[0].birthYear, 2019);
    }

    void aWrongRowImportsNothing()
    {
        QVERIFY(DataFiles(m_folder).save(StockData()).ok);
        const QByteArray before = contents(m_folder + QStringLiteral("taubenstamm.dat"));
        const QString csv = file("fehler.csv", "Ring,Geschlecht\nA-1,m\nA-2,Weibchen\n");
        const Outcome o = run({csv});
        QCOMPARE(o.code, 1);
        QCOMPARE(o.out,
                 QStringLiteral("Zeile 3: Das Geschlecht „Weibchen“ ist unbekannt (erwartet: 1.0 oder 0.1, m "
                                "oder w, Hahn oder Henne).\n1 neu, 0 geändert, 0 unverändert, 1 fehlerhaft\n"));
        QCOMPARE(contents(m_folder + QStringLiteral("taubenstamm.dat")), before);
    }

    // Whereabouts and show results go to the records; a later file's error takes the earlier files back.
    void recordsComeInWithTheStock()
    {
        const QString stockCsv = file("bestand.csv", "Ring;Verbleib;Käufer\nA-1;verkauft;Anna Schäfer\n");
        const QString showsCsv = file("schauen.csv", "Datum;Ringnummer;Schau;Punkte\n09.11.2024;A-1;Landesschau;91\n");
        QCOMPARE(run({"--dry-run", stockCsv, showsCsv}).out,
                 QStringLiteral("2 neu, 0 geändert, 0 unverändert, 0 fehlerhaft\n")); // the bird, then its result
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("zusatzdaten.db")));

        QCOMPARE(run({stockCsv, showsCsv}).code, 0);
        QVERIFY(stock().animals[0].sold);
        {
            RecordsDatabase records;
            QVERIFY(
                records.open(m_folder + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::ReadOnly).available);
            QCOMPARE(records.whereabouts(QStringLiteral("A-1"))->buyerName, QStringLiteral("Anna Schäfer"));
            QCOMPARE(records.allShowResults().size(), size_t(1));
        }

        const QString more = file("mehr.csv", "Datum;Ringnummer;Schau;Punkte\n10.11.2024;A-1;Bundesschau;92\n");
        const QString wrong = file("falsch.csv", "Ring;Verbleib\nA-1;verschollen\n");
        QCOMPARE(run({more, wrong}).code, 1);
        RecordsDatabase records;
        QVERIFY(records.open(m_folder + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::ReadOnly).available);
        QCOMPARE(records.allShowResults().size(), size_t(1));
    }

    // Killed at any instant of a large import, the folder holds the stock as before or with the whole
    // import, and the next import runs as if nothing had happened.
    void aKilledImportLeavesTheOldOrTheWholeNewStock()
    {
        StockData db;
        QByteArray csv = "Ring;Farbe\n";
        for (int i = 0; i < 20000; ++i) {
            db.animals.push_back(testAnimal(QStringLiteral("ALT-%1").arg(i)));
            csv += "ALT-" + QByteArray::number(i) + ";rot\n" + "NEU-" + QByteArray::number(i) + ";grün\n";
        }
        QVERIFY(DataFiles(m_folder).save(db).ok);
        const QString stockFile = m_folder + QStringLiteral("taubenstamm.dat");
        const QByteArray before = contents(stockFile);
        const QString spreadsheet = file("gross.csv", csv);

        const auto importInto = [&](QProcess& tool) {
            tool.start(QStringLiteral(AVELOR_IMPORT_TOOL), {"--data", m_folder, spreadsheet});
            QVERIFY(tool.waitForStarted());
        };
        QElapsedTimer clock;
        for (int first = 0; first < 2; ++first) { // timed the second time, the records file being there
            QVERIFY(DataFiles(m_folder).save(db).ok);
            clock.start();
            QProcess whole;
            importInto(whole);
            QVERIFY(whole.waitForFinished(60000));
            QCOMPARE(whole.exitCode(), 0);
        }
        const qint64 takes = clock.elapsed();
        const QByteArray after = contents(stockFile);
        QVERIFY(after != before);

        int old = 0;
        int whole = 0;
        // Reading and checking take the first half; the kills fall mostly on the save.
        for (int k = 0; k < 9; ++k) {
            const int delay = int(takes * (50 + 6 * k) / 100);
            QVERIFY(DataFiles(m_folder).save(db).ok);
            QProcess tool;
            importInto(tool);
            QTest::qWait(delay);
            tool.kill();
            tool.waitForFinished();
            StockData found;
            QVERIFY(!DataFiles(m_folder).load(found).terminate); // repairs what the kill left
            const QByteArray now = contents(stockFile);
            QVERIFY2(now == before || now == after, qPrintable(QStringLiteral("killed after %1 ms").arg(delay)));
            (now == before ? old : whole) += 1;
            QCOMPARE(run({spreadsheet}).code, 0);
            QCOMPARE(contents(stockFile), after);
        }
        qInfo("killed 9 times: %d old, %d whole", old, whole);
    }

    // The program's CSV opened in LibreOffice Calc and saved again as Calc saves CSV (Windows-1252,
    // commas, every text quoted, the apostrophe before a formula-like text kept) comes back field for field.
    void aStockSavedAgainByCalcComesBack()
    {
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty() || runningUnderWine())
            QSKIP("LibreOffice is not installed");
        StockData db = pedigreeSample();
        db.animals[1].remarks = QStringLiteral("=lieb; \"zahm\"");
        db.animals[2].listRemarks = QStringLiteral("-12 °C");
        db.animals[3].sold = 1;
        const StockDocument source(db, DataFiles(QString()));
        const QString exported = file("bestand.csv", stockCsv(source, StockListOrder::ByRing));

        QProcess calc;
        calc.start(office,
                   {QStringLiteral("-env:UserInstallation=file://%1/office").arg(m_dir->path()), "--headless",
                    "--infilter=CSV:59,34,76,1", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,1,1",
                    "--outdir", m_dir->path() + QStringLiteral("/calc"), exported});
        QVERIFY(calc.waitForFinished(120000));
        const QString saved = m_dir->path() + QStringLiteral("/calc/bestand.csv");
        const QByteArray bytes = contents(saved);
        QVERIFY2(bytes.startsWith("\"Ringnummer\",\"Geschlecht\",\"Geburtsjahr\",\"Z\xFC"
                                  "chter\""),
                 bytes.left(80));

        const Outcome o = run({saved});
        QCOMPARE(o.code, 0);
        QCOMPARE(o.out, QStringLiteral("%1 neu, 0 geändert, 0 unverändert, 0 fehlerhaft\n").arg(db.animals.size()));
        const StockData back = stock();
        const StockDocument target(back, DataFiles(QString()));
        const auto fields = [](const Animal& a) {
            return QStringList {a.ringNumber,
                                QString::number(int(a.sex)),
                                QString::number(a.birthYear),
                                a.breeder,
                                a.colour,
                                a.markings,
                                a.breed,
                                a.remarks,
                                a.listRemarks,
                                QString::number(a.sold),
                                a.fatherRing,
                                a.motherRing};
        };
        for (const Animal& a : db.animals)
            QCOMPARE(fields(*target.lastActive(a.ringNumber)), fields(a));
    }

    void refusesWhatItCannotDo()
    {
        QCOMPARE(run({}).code, 2);
        QCOMPARE(run({"--unbekannt", "x.csv"}).code, 2);
        QCOMPARE(run({m_dir->path() + QStringLiteral("/fehlt.csv")}).code, 3);

        const QString csv = file("bestand.csv", "Ring\nA-1\n");
        DataFolderLock program(m_folder);
        QVERIFY(program.tryLock());
        const Outcome held = run({csv});
        QCOMPARE(held.code, 4);
        QCOMPARE(held.err.trimmed(), DataFolderLock::alreadyOpenMessage());
        QVERIFY(!QFile::exists(m_folder + QStringLiteral("taubenstamm.dat")));
    }

private:
    Outcome run(const QStringList& arguments)
    {
        Outcome o;
        QTextStream out(&o.out);
        QTextStream err(&o.err);
        o.code = runImport(QStringList {"--data", m_folder} + arguments, out, err);
        out.flush();
        err.flush();
        return o;
    }

    QString file(const char* name, const QByteArray& bytes) const
    {
        const QString path = m_dir->path() + QLatin1Char('/') + QString::fromUtf8(name);
        put(path, bytes);
        return path;
    }

    StockData stock() const
    {
        StockData db;
        DataFiles(m_folder).load(db, DataFiles::Access::ReadOnly);
        return db;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestImportTool)
#include "TestImportTool.moc"
