// Bringing a stock in from a spreadsheet: reading the file as spreadsheets
// write it, understanding the columns and values, what each row would do,
// and the import itself as one step.
#include "core/export/CsvExport.h"
#include "core/export/PedigreeFile.h"
#include "core/import/CsvReader.h"
#include "core/import/ImportFields.h"
#include "core/import/PedigreeImport.h"
#include "core/import/StockImport.h"
#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"
#include "core/pedigree/PedigreeSlots.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "support/PedigreeSample.h"
#include "support/SampleAnimals.h"

#include <QTest>

namespace {

ImportPlan plan(const StockDocument& stock, const QByteArray& csv, const ImportOptions& options = {})
{
    const CsvTable table = readCsv(csv);
    return planStockImport(stock, table, mapColumns(table.header), options);
}

StockDocument emptyStock()
{
    return StockDocument(StockData(), DataFiles(QString()));
}

// A stock with records in memory: a sold bird and one with factors entered, each judged once.
std::unique_ptr<RecordsDatabase> sampleRecords()
{
    auto records = std::make_unique<RecordsDatabase>();
    Whereabouts sold;
    sold.ring = QStringLiteral("DE-2");
    sold.status = WhereaboutsStatus::Sold;
    sold.date = QDate(2024, 5, 3);
    sold.buyerName = QStringLiteral("Anna Schäfer");
    sold.buyerAddress = QStringLiteral("Weg 1\n12345 Dorf");
    sold.priceCents = 4550;
    sold.note = QStringLiteral("+ Käfig");
    records->setWhereabouts(sold);
    records->changeRecordsOf(QStringLiteral("DE-1"), QStringLiteral("DE-1"),
                             {.factors = FactorStates {{"braun", FactorState::Visual},
                                                       {"opal", FactorState::Carrier},
                                                       {"jaspis", FactorState::DoubleFactor},
                                                       {"topas", FactorState::Absent}}});
    for (const char* ring : {"DE-1", "DE-2"}) {
        ShowResult r;
        r.ring = QString::fromLatin1(ring);
        r.date = QDate(2024, 11, 9);
        r.show = QStringLiteral("Landesschau");
        r.showClass = QStringLiteral("K 12");
        r.halfPoints = 181;
        r.award = QStringLiteral("Gold");
        r.collection = 1;
        records->addShowResult(r);
    }
    return records;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatSpreadsheetsWrite_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("separator");
        const QByteArray body
            = "Ring;Züchter;Bemerkungen\r\nA-1;Müller;\"zwei\r\nZeilen; mit \"\"Anführung\"\"\"\r\n\r\n"
              "B-2;Schäfer;€\n";
        QTest::newRow("UTF-8 with BOM, semicolons") << QByteArray("\xEF\xBB\xBF" + body) << 0 << ";";
        QTest::newRow("UTF-8, commas") << QByteArray(body).replace(';', ',') << 0 << ",";
        QByteArray ansi = QByteArray(body).replace(';', '\t');
        ansi.replace("ü", "\xFC").replace("ä", "\xE4").replace("€", "\x80");
        QTest::newRow("Windows-1252, tabs") << ansi << 1 << "\t";
    }

    void readsWhatSpreadsheetsWrite()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QString, separator);
        const CsvTable table = readCsv(bytes);
        QCOMPARE(int(table.encoding), encoding);
        QCOMPARE(QString(table.separator), separator);
        QCOMPARE(table.header, (QStringList {"Ring", "Züchter", "Bemerkungen"}));
        QCOMPARE(table.rows.size(), size_t(2)); // the blank line is no row
        QString remarks = QStringLiteral("zwei\r\nZeilen; mit \"Anführung\"");
        if (separator != QLatin1String(";"))
            remarks.replace(QLatin1Char(';'), separator.front());
        QCOMPARE(table.rows[0], (QStringList {"A-1", "Müller", remarks}));
        QCOMPARE(table.rows[1], (QStringList {"B-2", "Schäfer", "€"}));
        QCOMPARE(table.lines, (std::vector<int> {2, 5})); // the quoted break is a line of the file
    }

    void understandsHeadersAndValuesAsBreedersWriteThem()
    {
        const QStringList header {"Ring-Nr.", "Geschl.", "Jahrgang", "Vater-Ring", "Mutter", "Notiz", "Ringnummer"};
        const std::vector<ImportField> expected {ImportField::Ring,   ImportField::Sex,    ImportField::Year,
                                                 ImportField::Father, ImportField::Mother, ImportField::Ignored,
                                                 ImportField::Ignored}; // a field's second column is not taken
        QVERIFY(mapColumns(header) == expected);
        for (ImportField field : importFields())
            QCOMPARE(fieldOfHeader(importFieldName(field)), field); // the program's own headers

        for (const char* male : {"1.0", "m", "M", "Hahn", "männlich"})
            QCOMPARE(sexOfText(QString::fromUtf8(male)), std::optional(Sex::Male));
        for (const char* female : {"0.1", "w", "W", "Henne", "weiblich"})
            QCOMPARE(sexOfText(QString::fromUtf8(female)), std::optional(Sex::Female));
        QCOMPARE(sexOfText(QStringLiteral("unbekannt")), std::optional(Sex::Unknown));
        QVERIFY(!sexOfText(QStringLiteral("Weibchen?")));
        QCOMPARE(yearOfText(QStringLiteral("2024")), std::optional<qint32>(2024));
        QCOMPARE(yearOfText(QStringLiteral(" 24 ")), std::optional<qint32>(2024));
        QVERIFY(!yearOfText(QStringLiteral("1850")) && !yearOfText(QStringLiteral("zwei")));
        for (const char* yes : {"ja", "x", "X", "1"})
            QCOMPARE(soldOfText(QString::fromUtf8(yes)), std::optional(true));
        for (const char* no : {"nein", "0", ""})
            QCOMPARE(soldOfText(QString::fromUtf8(no)), std::optional(false));
        QVERIFY(!soldOfText(QStringLiteral("vielleicht")));
        {
            // The breeder's language is understood besides German and English.
            TextLanguage::install(QStringLiteral("fr"));
            QCOMPARE(sexOfText(QStringLiteral("Mâle")), std::optional(Sex::Male));
            QCOMPARE(sexOfText(QStringLiteral("femelle")), std::optional(Sex::Female));
            QCOMPARE(sexOfText(QStringLiteral("Henne")), std::optional(Sex::Female));
            QCOMPARE(soldOfText(QStringLiteral("Oui")), std::optional(true));
            QCOMPARE(soldOfText(QStringLiteral("non")), std::optional(false));
            TextLanguage::install(QString::fromLatin1(Languages::German));
            QVERIFY(!sexOfText(QStringLiteral("femelle")));
        }
        QCOMPARE(cellText(QStringLiteral("'=1+1")), QStringLiteral("=1+1"));
        QCOMPARE(cellText(QStringLiteral("'-12")), QStringLiteral("-12"));
        QCOMPARE(cellText(QStringLiteral("'s Vogel")), QStringLiteral("'s Vogel"));
    }

    // Each row says what it would do; a wrong one says why, in its line of the file.
    void eachRowTellsWhatItWouldDo()
    {
        StockData db;
        db.animals = {testAnimal("OLD", Sex::Male, 2020), testAnimal("SAME", Sex::Female, 2021)};
        StockDocument stock(db, DataFiles(QString()));
        const QByteArray csv = "Ring;Geschlecht;Jahr;Farbe;Vater;Mutter\n"
                               "NEU;1.0;24;rot;OLD;FREMD\n" // 2
                               "OLD;;;grün;;\n" // 3
                               "SAME;w;2021;gelb;;\n" // 4
                               ";m;2020;;;\n" // 5
                               "VIEL-ZU-LANGE-RINGNUMMER;m;;;;\n" // 6
                               "X1;Weibchen;;;;\n" // 7
                               "X2;m;1850;;;\n" // 8
                               "NEU;m;2024;;;\n" // 9
                               "KREIS-A;m;;;KREIS-B;\n" // 10
                               "KREIS-B;m;;;KREIS-A;\n" // 11
                               "LANG;m;;Dunkelgelb mit sehr viel Schimmel;;\n"; // 12
        const ImportPlan p = plan(stock, csv);
        using S = ImportRow::Status;
        const std::vector<std::pair<int, S>> expected = {
            {2, S::New},   {3, S::Changed}, {4, S::Unchanged}, {5, S::Error},  {6, S::Error}, {7, S::Error},
            {8, S::Error}, {9, S::Error},   {10, S::Error},    {11, S::Error}, {12, S::New},
        };
        QCOMPARE(p.rows.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(p.rows[i].line, expected[i].first);
            QCOMPARE(p.rows[i].status, expected[i].second);
        }
        QCOMPARE(p.rows[0].animal.birthYear, 2024);
        QCOMPARE(p.rows[1].changedFields, QStringList {"Farbe"});
        QCOMPARE(p.rows[3].problem, QStringLiteral("Die Ringnummer ist leer."));
        QVERIFY(p.rows[4].problem.contains(QStringLiteral("länger als 20 Zeichen")));
        QVERIFY(p.rows[5].problem.contains(QStringLiteral("„Weibchen“ ist unbekannt")));
        QVERIFY(p.rows[6].problem.contains(QStringLiteral("1850")));
        QCOMPARE(p.rows[7].problem, QStringLiteral("Die Ringnummer NEU steht schon in Zeile 2."));
        QCOMPARE(p.rows[8].problem, QStringLiteral("KREIS-A würde sein eigener Vorfahr."));
        QCOMPARE(p.rows[10].notes, QStringList {"Farbe auf 30 Zeichen gekürzt: „Dunkelgelb mit sehr viel Schim“"});
        QCOMPARE(p.unknownParents, QStringList {"FREMD"});
        QCOMPARE(p.summary(), QStringLiteral("2 neu, 1 geändert, 1 unverändert, 7 fehlerhaft"));
        QVERIFY(!importStock(stock, p).isEmpty()); // nothing while a row is wrong
        QCOMPARE(stock.animals().size(), size_t(2));
    }

    // A long check tells how far it is; stopped, it brings nothing.
    void aStoppedCheckBringsNothing()
    {
        QByteArray csv = "Ring\n";
        for (int i = 0; i < 5000; ++i)
            csv += "R-" + QByteArray::number(i) + '\n';
        StockDocument stock = emptyStock();
        const CsvTable table = readCsv(csv);
        QList<qsizetype> told;
        const ImportPlan p
            = planStockImport(stock, table, mapColumns(table.header), {}, [&](qsizetype done, qsizetype total) {
                  told << done;
                  return total == 5000 && done < 4000;
              });
        QCOMPARE(told, (QList<qsizetype> {0, 2048, 4096}));
        QVERIFY(p.cancelled && p.rows.empty() && !p.bringsChanges());
        QVERIFY(!importStock(stock, p).isEmpty());
        QVERIFY(stock.animals().empty() && !stock.history().canUndo());
    }

    // Every animal on a loop of parent links is its own ancestor, also one the loop reaches by a side way.
    void everyAnimalOnALoopIsRefused()
    {
        StockData db;
        db.animals = {testAnimal("X-B"), testAnimal("FREI")};
        db.animals[0].fatherRing = QStringLiteral("X-A"); // closes the loop once the file is in
        StockDocument stock(db, DataFiles(QString()));
        const ImportPlan p = plan(stock, "Ring;Vater;Mutter\nX-A;X-B;X-C\nX-C;X-B;\nKIND;X-A;FREI\nSELBST;SELBST;\n");
        using S = ImportRow::Status;
        QCOMPARE(p.rows[0].status, S::Error);
        QCOMPARE(p.rows[1].status, S::Error); // X-C to X-B to X-A to X-C
        QCOMPARE(p.rows[2].status, S::New); // below the loop, not on it
        QCOMPARE(p.rows[3].problem, QStringLiteral("SELBST würde sein eigener Vorfahr."));
    }

    // A bought bird's papers into a stock that holds two of its ancestors, one of them written otherwise.
    void aPedigreeFileBringsTheBoughtBirdsAncestors()
    {
        auto sellerRecords = std::make_unique<RecordsDatabase>();
        sellerRecords->changeRecordsOf(kSampleSubject, kSampleSubject,
                                       {.factors = FactorStates {{"opal", FactorState::Carrier}}});
        StockDocument seller(pedigreeSample(), DataFiles(QString()), std::move(sellerRecords));
        QString problem;
        const std::optional<PedigreeRows> rows = readPedigreeFile(pedigreeFile(seller, kSampleSubject), problem);
        QVERIFY2(rows, qPrintable(problem));
        QCOMPARE(rows->subject, kSampleSubject);

        StockData db;
        db.animals = {*seller.lastActive(sampleAncestorRing(1)), *seller.lastActive(sampleAncestorRing(2))};
        db.animals[1].colour = QStringLiteral("bei mir anders");
        StockDocument buyer(db, DataFiles(QString()));
        const ImportPlan p = planStockImport(buyer, rows->table, mapColumns(rows->table.header), {.overwrite = false});
        QCOMPARE(p.summary(), QStringLiteral("29 neu, 0 geändert, 2 unverändert, 0 fehlerhaft"));
        const auto mother = std::find_if(p.rows.begin(), p.rows.end(),
                                         [](const ImportRow& r) { return r.ring == sampleAncestorRing(2); });
        QCOMPARE(mother->keptFields, QStringList {"Farbe"});
        QCOMPARE(importStock(buyer, p), QString());
        QCOMPARE(buyer.lastActive(sampleAncestorRing(2))->colour, QStringLiteral("bei mir anders"));
        QCOMPARE(buyer.records().colourFactors(kSampleSubject), (FactorStates {{"opal", FactorState::Carrier}}));
        QCOMPARE(buyer.records().whereabouts(kSampleSubject)->note,
                 QStringLiteral("erhalten von %1").arg(rows->seller));
        QVERIFY(!rows->seller.isEmpty());

        // The certificate names the same ancestors in the same places.
        const auto ringsOf = [](const StockDocument& s) {
            const PedigreeSlots found = resolvePedigree(s.animals(), *s.lastActive(kSampleSubject), s.ringIndex());
            QStringList rings;
            for (int slot = 1; slot <= PedigreeSlots::kCount; ++slot)
                rings << (found.empty(slot) ? QString() : s.animals()[size_t(found.index[size_t(slot)])].ringNumber);
            return rings;
        };
        QCOMPARE(ringsOf(buyer), ringsOf(seller));

        QByteArray newer = pedigreeFile(seller, kSampleSubject);
        newer.replace("\"version\": 1", "\"version\": 2");
        QVERIFY(!readPedigreeFile(newer, problem));
        QVERIFY(problem.contains(QStringLiteral("Formatversion 2")));
    }

    void filledFieldsOverwriteOrKeepAsChosen()
    {
        StockData db;
        db.animals = {testAnimal("A-1", Sex::Male, 2020)};
        db.animals[0].breed.clear();
        StockDocument stock(db, DataFiles(QString()));
        const QByteArray csv = "Ringnummer;Farbe;Art/Rasse;Züchter\nA-1;rot;Gloster;\n";
        const ImportPlan over = plan(stock, csv);
        QCOMPARE(over.rows[0].changedFields, (QStringList {"Farbe", "Art/Rasse"})); // the empty Züchter is no change
        const ImportPlan keep = plan(stock, csv, {.overwrite = false});
        QCOMPARE(keep.rows[0].changedFields, QStringList {"Art/Rasse"}); // only the empty field is filled
        QCOMPARE(importStock(stock, keep), QString());
        QCOMPARE(stock.animals()[0].colour, QStringLiteral("gelb"));
        QCOMPARE(stock.animals()[0].breed, QStringLiteral("Gloster"));
        QCOMPARE(stock.animals()[0].breeder, QStringLiteral("Müller"));
    }

    // The program's own CSV brought into an empty stock gives the same animals, and the same CSV again.
    void theProgramsOwnCsvComesBackWhole()
    {
        StockData db;
        db.animals = {testAnimal("DE-1", Sex::Male, 2020, "Gloster"), testAnimal("DE-2", Sex::Female, 2021),
                      testAnimal("de-3", Sex::Unknown, 0)};
        db.animals[2].fatherRing = QStringLiteral("DE-1");
        db.animals[2].motherRing = QStringLiteral("DE-2");
        db.animals[2].remarks = QStringLiteral("=lieb;\n\"zahm\"");
        db.animals[2].listRemarks = QStringLiteral("-12 °C");
        db.animals[1].sold = 1;
        StockDocument source(db, DataFiles(QString()));
        const QByteArray csv = stockCsv(source, StockListOrder::ByRing);

        StockDocument target = emptyStock();
        const ImportPlan p = plan(target, csv);
        QCOMPARE(p.summary(), QStringLiteral("3 neu, 0 geändert, 0 unverändert, 0 fehlerhaft"));
        QCOMPARE(importStock(target, p), QString());
        for (const Animal& a : source.animals())
            QCOMPARE(*target.lastActive(a.ringNumber), a);
        QCOMPARE(stockCsv(target, StockListOrder::ByRing), csv);
        QCOMPARE(plan(target, csv).summary(), QStringLiteral("0 neu, 0 geändert, 3 unverändert, 0 fehlerhaft"));

        // One step: undo takes the whole import back.
        QCOMPARE(target.history().undoText(), QStringLiteral("Bestand importiert: 3 neu, 0 geändert"));
        QCOMPARE(target.undo(), QString());
        QVERIFY(target.animals().empty());
    }

    // Whereabouts and factors come back with the stock CSV, show results with their own; each one step.
    void theRecordsComeBackWhole()
    {
        StockData db;
        db.animals = {testAnimal("DE-1", Sex::Male, 2020), testAnimal("DE-2", Sex::Female, 2021)};
        db.animals[1].sold = 1;
        StockDocument source(db, DataFiles(QString()), sampleRecords());
        const QByteArray stock = stockCsv(source, StockListOrder::ByRing);
        const QByteArray shows = showsCsv(source.records().allShowResults());

        StockDocument target(StockData(), DataFiles(QString()), std::make_unique<RecordsDatabase>());
        QCOMPARE(importStock(target, plan(target, stock)), QString());
        QCOMPARE(stockCsv(target, StockListOrder::ByRing), stock);
        const ImportPlan results = plan(target, shows);
        QVERIFY(results.showResults);
        QCOMPARE(results.summary(), QStringLiteral("2 neu, 0 geändert, 0 unverändert, 0 fehlerhaft"));
        const quint64 files = target.filesGeneration();
        QCOMPARE(importStock(target, results), QString());
        QCOMPARE(showsCsv(target.records().allShowResults()), shows);
        QCOMPARE(target.filesGeneration(), files); // records only: the data files stay as they are
        QCOMPARE(plan(target, shows).summary(), QStringLiteral("0 neu, 0 geändert, 2 unverändert, 0 fehlerhaft"));

        QCOMPARE(target.undo(), QString());
        QVERIFY(target.records().allShowResults().empty());
        QCOMPARE(target.undo(), QString());
        QVERIFY(target.records().rings().isEmpty());
        QVERIFY(target.animals().empty());
    }

    // Record cells are checked as the animal's are, and merged the same way.
    void recordRowsTellWhatTheyWouldDo()
    {
        StockData db;
        db.animals = {testAnimal("DE-1", Sex::Male, 2020), testAnimal("DE-2", Sex::Female, 2021)};
        StockDocument stock(db, DataFiles(QString()), sampleRecords());
        const ImportPlan animals = plan(stock,
                                        "Ring;Verbleib;Verbleib seit;Preis;Erbanlagen\n"
                                        "DE-1;verstorben;1.2.2025;;satinet\n" // 2
                                        "DE-2;verschollen;;;\n" // 3
                                        "DE-3;;30.02.2025;;\n" // 4
                                        "DE-4;;;zehn;\n" // 5
                                        "DE-5;;;;flügel\n", // 6
                                        {.overwrite = false});
        using S = ImportRow::Status;
        QCOMPARE(animals.rows[0].status, S::Changed);
        QCOMPARE(animals.rows[0].changedFields, (QStringList {"Verbleib", "Verbleib seit", "Verkauft", "Erbanlagen"}));
        QVERIFY(animals.rows[1].problem.contains(QStringLiteral("„verschollen“ ist unbekannt")));
        QVERIFY(animals.rows[2].problem.contains(QStringLiteral("„30.02.2025“ in „Verbleib seit“ ist kein Datum")));
        QVERIFY(animals.rows[3].problem.contains(QStringLiteral("„zehn“")));
        QVERIFY(animals.rows[4].problem.contains(QStringLiteral("„flügel“ ist keine Erbanlage")));

        const ImportPlan results = plan(stock,
                                        "Datum;Ringnummer;Schau;Klasse;Punkte;Kollektion\n"
                                        "09.11.2024;DE-1;Landesschau;K 13;91;1\n" // 2
                                        "10.11.2024;DE-1;Landesschau;K 12;92,5;\n" // 3
                                        "10.11.2024;DE-1;Landesschau;K 12;90;\n" // 4
                                        "10.11.2024;FREMD;Landesschau;;90;\n" // 5
                                        "gestern;DE-2;Landesschau;;90;\n" // 6
                                        "10.11.2024;DE-2;;;90;\n" // 7
                                        "10.11.2024;DE-2;Landesschau;;100,5;\n" // 8
                                        "10.11.2024;DE-2;Landesschau;;90;null\n", // 9
                                        {.overwrite = false});
        QCOMPARE(results.rows[0].status, S::Unchanged); // the stored class and points stay
        QCOMPARE(results.rows[0].keptFields, (QStringList {"Klasse", "Punkte"}));
        QCOMPARE(results.rows[1].status, S::New);
        QCOMPARE(results.rows[2].problem, QStringLiteral("Dieses Ergebnis steht schon in Zeile 3."));
        QCOMPARE(results.rows[3].problem, QStringLiteral("FREMD ist nicht im Bestand."));
        QVERIFY(results.rows[4].problem.contains(QStringLiteral("„gestern“")));
        QCOMPARE(results.rows[5].problem, QStringLiteral("Der Name der Schau fehlt."));
        QVERIFY(results.rows[6].problem.contains(QStringLiteral("„100,5“")));
        QVERIFY(results.rows[7].problem.contains(QStringLiteral("„null“")));

        // Overwriting, a stored result takes the file's values and keeps its id.
        const ImportPlan over
            = plan(stock, "Datum;Ringnummer;Schau;Klasse;Punkte\n09.11.2024;DE-1;Landesschau;K 13;91\n");
        QCOMPARE(over.rows[0].changedFields, (QStringList {"Klasse", "Punkte"}));
        const qint64 id = stock.records().showResults(QStringLiteral("DE-1")).front().id;
        QCOMPARE(importStock(stock, over), QString());
        const std::vector<ShowResult> now = stock.records().showResults(QStringLiteral("DE-1"));
        QCOMPARE(now.size(), size_t(1));
        QCOMPARE(now.front().id, id);
        QCOMPARE(now.front().halfPoints, 182);
        QCOMPARE(now.front().collection, std::optional<int>(1)); // a cell the file leaves out stays
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "TestImport.moc"
