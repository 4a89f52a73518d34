// Certificates as a breeder holds them: PDF with embedded fonts and ring
// numbers where their boxes are, pictures with outlines of the same width,
// and the command-line export.
#include "app/ExportTool.h"
#include "core/files/DataFiles.h"
#include "core/files/FileSystem.h"
#include "core/files/PairFile.h"
#include "core/files/SafeWrite.h"
#include "core/files/StockFile.h"
#include "core/model/Dates.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/PedigreeReport.h"
#include "support/FileHelpers.h"
#include "support/PedigreeSample.h"
#include "support/PopplerTools.h"
#include "support/SampleAnimals.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

struct Word
{
    QString text;
    double xMm;
    double yMm;
    int page; // from 1
};

QList<Word> wordsOf(const QString& pdf)
{
    const QString html
        = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox")}, pdf, {QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<Word> words;
    int page = 0;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        words.append(
            {m.captured(3), m.captured(1).toDouble() / kPointsPerMm, m.captured(2).toDouble() / kPointsPerMm, page});
    }
    return words;
}

int run(const QStringList& arguments, QString* errors = nullptr)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runExport(arguments, outStream, errStream);
    errStream.flush();
    if (errors)
        *errors = err;
    return code;
}

struct Lines
{
    int code = 0;
    QString out;
    QString err;
};

// A command's exit code and what it writes.
Lines exportLines(const QString& folder, const QStringList& arguments)
{
    Lines lines;
    QTextStream out(&lines.out);
    QTextStream err(&lines.err);
    lines.code = runExport(QStringList {"--data", folder} + arguments, out, err);
    out.flush();
    err.flush();
    return lines;
}

} // namespace

class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!canReadPdfs())
            QFAIL("pdftotext (poppler-utils) is needed; scripts/deps installs it");
        QVERIFY(m_dir.isValid());
        useTestHome(m_dir.path()); // the export reads the breeder's settings: none here
        m_folder = m_dir.path() + QStringLiteral("/data/");
        DataFiles files(m_folder);
        QVERIFY(files.save(pedigreeSample()).ok);
        m_stock = std::make_unique<StockDocument>(pedigreeSample(), DataFiles(m_folder));
    }

    void ringNumbersStandInTheirBoxesAndFontsAreEmbedded()
    {
        PedigreeReport report;
        QVERIFY(report.fill(*m_stock, kSampleSubject, {}).found);
        const QString pdf = m_dir.path() + QStringLiteral("/nachweis.pdf");
        QVERIFY(ReportOutput::writePdf(FixedPages({report.page()}), pdf, QStringLiteral("06.12.2026")).ok());

        const QList<Word> words = wordsOf(pdf);
        for (int slot = 1; slot <= 30; ++slot) {
            const QRectF box = report.page().rect(QStringLiteral("box%1").arg(slot))->rect;
            const QString ring = sampleAncestorRing(slot);
            const auto found = std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.text == ring; });
            QVERIFY2(found != words.end(), qPrintable(ring));
            // The ring field starts 1.5 to 1.9 mm right of and 1.5 mm below the box corner.
            QVERIFY2(std::abs(found->xMm - (box.x() + 1.7)) <= 1.0, qPrintable(ring));
            QVERIFY2(std::abs(found->yMm - (box.y() + 1.5)) <= 1.0, qPrintable(ring));
        }
        const QStringList rows = popplerOutput(QStringLiteral("pdffonts"), {}, pdf).split(QLatin1Char('\n')).mid(2);
        int embedded = 0;
        for (const QString& row : rows) {
            if (row.trimmed().isEmpty())
                continue;
            QVERIFY2(row.contains(QStringLiteral(" yes ")), qPrintable(row));
            ++embedded;
        }
        QVERIFY(embedded >= 2);
    }

    // A box outline is about 1.4 mm wide whatever the resolution.
    void outlinesKeepTheirWidthAtEveryResolution()
    {
        PedigreeReport report;
        report.fill(*m_stock, kSampleSubject, {});
        for (const double dpi : {96.0, 254.0, 600.0}) {
            const QImage image = ReportOutput::toImage(report.page(), dpi, QString());
            const double pxPerMm = dpi / 25.4;
            const int y = int(100 * pxPerMm); // inside box 1 (father, blue), below its texts
            int blue = 0;
            for (int x = int(9 * pxPerMm); x < int(14 * pxPerMm); ++x) {
                const QColor c = image.pixelColor(x, y);
                blue += c.blue() > 200 && c.red() < 80;
            }
            QVERIFY2(std::abs(blue / pxPerMm - 1.4) < 0.25, qPrintable(QString::number(blue / pxPerMm)));
        }
    }

    void exportWritesCertificatesAndRecordSheets()
    {
        const QString pdf = m_dir.path() + QStringLiteral("/saison.pdf");
        QCOMPARE(run({"--data", m_folder, "pedigree", kSampleSubject, sampleAncestorRing(1), "-o", pdf}), 0);
        QVERIFY(popplerOutput(QStringLiteral("pdfinfo"), {}, pdf).contains(QRegularExpression("Pages:\\s+2")));

        const QString png = m_dir.path() + QStringLiteral("/blatt.png");
        QCOMPARE(run({"--data", m_folder, "recordsheet", kSampleSubject, "-o", png}), 0);
        QCOMPARE(QImage(png).size(), QSize(1240, 1754)); // A4 at 150 dpi
    }

    // 120 animals in two lines each: three pages or more, each with its page header.
    void aLongStockListFlowsOverPagesWithTheHeaderOnEach()
    {
        StockData db;
        for (int i = 0; i < 120; ++i)
            db.animals.push_back(testAnimal(QStringLiteral("DE-%1").arg(i, 3, 10, QLatin1Char('0')), Sex::Male, 2012));
        const QString folder = m_dir.path() + QStringLiteral("/liste/");
        QVERIFY(DataFiles(folder).save(db).ok);
        const QString pdf = m_dir.path() + QStringLiteral("/liste.pdf");
        QCOMPARE(run({"--data", folder, "stocklist", "--layout", "two", "-o", pdf}), 0);
        const QList<Word> words = wordsOf(pdf);
        const int pages
            = std::max_element(words.begin(), words.end(), [](auto& a, auto& b) { return a.page < b.page; })->page;
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        for (int page = 1; page <= pages; ++page) {
            auto onPage = [&](const QString& text) {
                return std::find_if(words.begin(), words.end(),
                                    [&](const Word& w) { return w.page == page && w.text == text; });
            };
            QVERIFY(onPage(QString::number(page)) != words.end());
            const auto title = onPage(QStringLiteral("Kanarienvögelbestandsliste"));
            QVERIFY(title != words.end());
            QVERIFY(title->yMm < 20); // at the top, in the header band
            QVERIFY(onPage(QStringLiteral("Geschlecht,")) != words.end());
        }
        const auto last = std::find_if(words.begin(), words.end(), [](const Word& w) { return w.text == "DE-119"; });
        QVERIFY(last != words.end() && last->page == pages);
    }

    // Machine-readable inbreeding, a CSV file, and the check's exit codes.
    void inbreedingCsvAndTheCheck()
    {
        QString out;
        QTextStream outStream(&out);
        QTextStream errStream(stderr);
        QCOMPARE(runExport({"--data", m_folder, "inbreeding", kSampleSubject, "--pair", sampleAncestorRing(1),
                            sampleAncestorRing(2)},
                           outStream, errStream),
                 2); // --pair takes exactly two rings
        QCOMPARE(runExport({"--data", m_folder, "inbreeding", kSampleSubject}, outStream, errStream), 0);
        outStream.flush();
        QCOMPARE(out, kSampleSubject + QStringLiteral("\t0.000000\n"));
        const QString csv = m_dir.path() + QStringLiteral("/bestand.csv");
        QCOMPARE(run({"--data", m_folder, "csv", "stock", "-o", csv}), 0);
        QVERIFY(QFile(csv).size() > 100);
        QCOMPARE(run({"--data", m_folder, "check"}), 0); // the sample is clean
        StockData faulty = pedigreeSample();
        faulty.animals[0].fatherRing = QStringLiteral("NIEMAND");
        const QString folder = m_dir.path() + QStringLiteral("/fehler/");
        QVERIFY(DataFiles(folder).save(faulty).ok);
        QCOMPARE(run({"--data", folder, "check"}), 1);
    }

    void exportExitCodes()
    {
        QString errors;
        const QString out = m_dir.path() + QStringLiteral("/x.pdf");
        QCOMPARE(run({"--data", m_folder, "pedigree", "UNBEKANNT", "-o", out}, &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("nicht im Bestand")));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(run({"--data", m_folder, "pedigree", kSampleSubject}, &errors), 2);
        QCOMPARE(run({"--data", m_folder, "pedigree", kSampleSubject, "-o", m_dir.path() + "/x.txt"}), 2);
        QCOMPARE(run({"--data", m_folder, "recordsheet", "A", "B", "-o", out}), 2);
        QCOMPARE(run({"stammbaum", "A", "-o", out}), 2);
        QCOMPARE(run({"--data", m_dir.path() + "/nirgends", "pedigree", "A", "-o", out}, &errors), 3);
        QVERIFY(errors.contains(QStringLiteral("Den Datenordner")));
        QVERIFY(errors.contains(QStringLiteral("nirgends“ gibt es nicht")));
        // A misspelt ring of a pair must not look like an unrelated bird.
        QCOMPARE(run({"--data", m_folder, "inbreeding", "--pair", sampleAncestorRing(1), "UNBEKANNT"}, &errors), 1);
        QVERIFY(errors.contains(QStringLiteral("„UNBEKANNT“ ist nicht im Bestand")));
    }

    // Show results and sales as tab-separated lines, by date, then ring.
    void showsAndSalesAsLines()
    {
        const QString folder = m_dir.path() + QStringLiteral("/schauen/");
        QVERIFY(DataFiles(folder).save(pedigreeSample()).ok);
        {
            RecordsDatabase records;
            QVERIFY(records.open(folder + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::Owner)
                        .message.isEmpty());
            for (ShowResult r :
                 {ShowResult {0, "B-2", QDate(2026, 11, 14), "Bundesschau", "Gloster", 181, "", 1},
                  ShowResult {0, "A-1", QDate(2026, 11, 14), "Bundesschau", "Gloster", 185, "Gold", 1},
                  ShowResult {0, "A-1", QDate(2025, 10, 4), "Kreisschau", "Gloster", 180, "1. Platz", {}}})
                QVERIFY(records.addShowResult(r).isEmpty());
            Whereabouts sold;
            sold.ring = QStringLiteral("A-1");
            sold.status = WhereaboutsStatus::Sold;
            sold.date = QDate(2026, 12, 1);
            sold.buyerName = QStringLiteral("Hans Käufer");
            sold.priceCents = 4505;
            QVERIFY(records.setWhereabouts(sold).isEmpty());
            sold.ring = QStringLiteral("B-2");
            sold.status = WhereaboutsStatus::Died;
            sold.date = QDate(2025, 1, 2);
            sold.buyerName.clear();
            sold.priceCents.reset();
            QVERIFY(records.setWhereabouts(sold).isEmpty());
        }
        auto lines = [&](const QStringList& arguments) {
            const Lines written = exportLines(folder, arguments);
            return std::pair {written.code, written.out};
        };
        QCOMPARE(lines({"shows"}).second,
                 QStringLiteral("2025-10-04\tA-1\tKreisschau\tGloster\t90.0\t1. Platz\t\n"
                                "2026-11-14\tA-1\tBundesschau\tGloster\t92.5\tGold\t1\n"
                                "2026-11-14\tB-2\tBundesschau\tGloster\t90.5\t\t1\n"));
        QCOMPARE(lines({"shows", "--year", "2025"}).second.count(QLatin1Char('\n')), 1);
        QCOMPARE(lines({"sales"}).second,
                 QStringLiteral("2025-01-02\tB-2\tverstorben\t\t\n"
                                "2026-12-01\tA-1\tverkauft\tHans Käufer\t45.05\n"));
        QCOMPARE(lines({"sales", "--year", "zwanzig"}).first, 2);
        const QString csv = m_dir.path() + QStringLiteral("/schauen.csv");
        QCOMPARE(run({"--data", folder, "csv", "shows", "-o", csv}), 0);
        QVERIFY(QString::fromUtf8(contents(csv))
                    .contains(QStringLiteral("14.11.2026;A-1;Bundesschau;Gloster;92,5;Gold;1;183\r\n")));
    }

    // What is due, a season's figures and the mates of a bird, as tab-separated lines.
    void dueSeasonAndMatesAsLines()
    {
        const QString folder = m_dir.path() + QStringLiteral("/saison/");
        StockData db = pedigreeSample();
        const double set = Dates::fromDate(QDate(2026, 4, 1));
        Clutch clutch {set - 3, set - 1, set, 2, {{}, {QString(), 0, set + 13}}}; // egg 2 hatched on 14 April
        db.pairs = {{sampleAncestorRing(1), sampleAncestorRing(2), 3, set - 20, {clutch}}};
        QVERIFY(DataFiles(folder).save(db).ok);
        auto lines = [&](const QStringList& arguments) {
            const Lines written = exportLines(folder, arguments);
            return std::pair {written.code, written.out};
        };
        const QString pair = QStringLiteral("3\t") + sampleAncestorRing(1) + QLatin1Char('\t') + sampleAncestorRing(2);
        QCOMPARE(lines({"due", "--date", "2026-04-20", "--days", "15"}).second,
                 QStringLiteral("2026-04-20\tBeringen\t%1\t1\t2\t\n2026-05-05\tAbsetzen\t%1\t1\t2\t\n").arg(pair));
        QCOMPARE(lines({"due", "--date", "2026-05-10"}).second,
                 QStringLiteral("2026-05-05\tBeringen\t%1\t1\t2\tüberfällig\n"
                                "2026-05-05\tAbsetzen\t%1\t1\t2\tüberfällig\n")
                     .arg(pair)
                     .replace(QStringLiteral("05-05\tBeringen"), QStringLiteral("04-20\tBeringen")));
        QCOMPARE(lines({"season", "2026"}).second,
                 QStringLiteral("Paar\t%1\t1\t2\t1\t0\t0\t0.5000\t0.0000\nSumme\t\t\t\t1\t2\t1\t0\t0\t0.5000\t0.0000\n")
                     .arg(pair));
        QCOMPARE(lines({"season", "2025"}).second, QStringLiteral("Summe\t\t\t\t0\t0\t0\t0\t0\t\t\n"));
        // The subject's mother is a hen of the stock: the closest mate, named and with the highest F.
        const auto mates = lines({"mates", kSampleSubject});
        QCOMPARE(mates.first, 0);
        QVERIFY(mates.second.trimmed().split('\n').last().endsWith(QStringLiteral("\tMutter")));
        QCOMPARE(lines({"mates", kSampleSubject, "--limit", "2"}).second.count('\n'), 2);
        QCOMPARE(lines({"mates", "NIEMAND"}).first, 1);
    }

    // The young of a pair by their colours, from factors typed in (no stock
    // needed) or from the stock's records and pedigree.
    void coloursAsLines()
    {
        const QString nowhere = m_dir.path() + QStringLiteral("/keine-daten/");
        Lines byHand = exportLines(nowhere, {"colours", "--cock", "braun,/opal", "--hen", "achat"});
        QCOMPARE(byHand.code, 0);
        QCOMPARE(byHand.out,
                 QStringLiteral("Hahn\t0.250000\t\tbraun,achat\tSchwarz\n"
                                "Hahn\t0.250000\t\tbraun,achat,opal\tSchwarz\n"
                                "Henne\t0.250000\tbraun\t\tBraun\n"
                                "Henne\t0.250000\tbraun\topal\tBraun\n"));
        byHand = exportLines(nowhere, {"colours", "--cock", "haube", "--hen", "haube,intensiv"});
        QVERIFY(byHand.out.endsWith(QStringLiteral("\nabgestorben\t0.250000\n")));
        QVERIFY(byHand.err.contains(QStringLiteral("haube ist nicht lebensfähig")));
        byHand = exportLines(nowhere, {"colours", "--cock", "blau", "--hen", ""});
        QCOMPARE(byHand.code, 2);
        QVERIFY(byHand.err.contains(QStringLiteral("Bekannt sind: braun, achat, satinet")));
        QCOMPARE(exportLines(nowhere, {"colours", "--cock", "", "--hen", "", "--crossover", "0.7"}).code, 2);
        QCOMPARE(exportLines(nowhere, {"colours", "--pair", "A"}).code, 2);

        // A brown hen's son with a black hen; a cock whose brown and agate lie in an unknown phase.
        const QString folder = m_dir.path() + QStringLiteral("/farben/");
        StockData db;
        db.animals = {testAnimal("BRAUNE", Sex::Female), testAnimal("SOHN", Sex::Male),
                      testAnimal("SCHWARZE", Sex::Female), testAnimal("DOPPELT", Sex::Male)};
        db.animals[0].colour = QStringLiteral("Braun");
        db.animals[1].motherRing = QStringLiteral("BRAUNE");
        QVERIFY(DataFiles(folder).save(db).ok);
        {
            RecordsDatabase records;
            QVERIFY(records.open(folder + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::Owner)
                        .message.isEmpty());
            const FactorStates both {{"braun", FactorState::Carrier}, {"achat", FactorState::Carrier}};
            QVERIFY(records.changeRecordsOf("DOPPELT", "DOPPELT", {.factors = both}).isEmpty());
        }
        const Lines pair = exportLines(folder, {"colours", "--pair", "SOHN", "SCHWARZE"});
        QCOMPARE(pair.code, 0);
        QVERIFY(pair.out.contains(QStringLiteral("Henne\t0.250000\tbraun\t\tBraun\n")));
        QCOMPARE(exportLines(folder, {"colours", "--pair", "SOHN", "NIEMAND"}).code, 1);
        const Lines unknownPhase = exportLines(folder, {"colours", "--pair", "DOPPELT", "SCHWARZE"});
        QCOMPARE(unknownPhase.code, 2);
        QVERIFY(unknownPhase.err.contains(QStringLiteral("--phase coupling")));
        const Lines coupled = exportLines(
            folder, {"colours", "--pair", "DOPPELT", "SCHWARZE", "--phase", "coupling", "--crossover", "0"});
        QVERIFY(coupled.out.contains(QStringLiteral("Henne\t0.250000\tbraun,achat\t\tIsabell\n")));
    }

    // The export only reads: beside a running program it deletes and writes nothing in the data
    // folder, not even a copy of a damaged file, and it reads both files of one save.
    void theExportOnlyReadsAndWaitsForARunningSave()
    {
        const QString folder = m_dir.path() + QStringLiteral("/laufend/");
        DataFiles files(folder);
        // Read from two saves, the pair's cock would be missing from the stock.
        StockData before = pedigreeSample();
        before.animals.push_back(testAnimal("ALT-1", Sex::Male));
        before.pairs = {{QStringLiteral("ALT-1"), sampleAncestorRing(2), 1, 45000, {}}};
        QVERIFY(files.save(before).ok);
        const QString temporary = files.stockPath() + QStringLiteral(".avelor-tmp-abc123");
        QFile(temporary).open(QIODevice::WriteOnly); // the temporary of a save that runs
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        // While a save holds its lock, the export waits; then it reads the new stock and the new pairs together.
        StockData after = pedigreeSample();
        after.animals.push_back(testAnimal("NEU-1", Sex::Male));
        after.pairs = {{QStringLiteral("NEU-1"), sampleAncestorRing(2), 1, 45000, {}}};
        int checked = -1;
        auto* exportRun = QThread::create([&] { checked = run({"--data", folder, "check"}); });
        {
            const FileLock saving(folder + QStringLiteral(".avelor-speichern"), FileLock::Mode::Exclusive, false);
            QVERIFY(saving.held());
            exportRun->start();
            QVERIFY(!exportRun->wait(300));
            QVERIFY(writeFileSafely(files.stockPath(), [&](QIODevice& d) { return StockFile::write(d, after); }).ok);
            QVERIFY(
                writeFileSafely(files.pairPath(), [&](QIODevice& d) { return PairFile::write(d, after.pairs); }).ok);
        }
        QVERIFY(exportRun->wait(10000));
        delete exportRun;
        QCOMPARE(checked, 0); // nothing missing: both files of the same save

        QFile::resize(files.stockPath(), 600); // damaged
        QString errors;
        QCOMPARE(run({"--data", folder, "csv", "stock", "-o", m_dir.path() + QStringLiteral("/teil.csv")}, &errors), 0);
        QVERIFY(errors.contains(QStringLiteral("beschädigt")));
        QVERIFY(!errors.contains(QStringLiteral("aufbewahrt")));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
        QVERIFY(QFile::exists(temporary));
    }

private:
    QTemporaryDir m_dir;
    QString m_folder;
    std::unique_ptr<StockDocument> m_stock;
};

QTEST_MAIN(TestReportOutput)
#include "TestReportOutput.moc"
