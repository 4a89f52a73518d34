// The inbreeding coefficient, the marks of repeated ancestors, the CSV export
// and the check of the data.
#include "core/analysis/DataCheck.h"
#include "core/analysis/Inbreeding.h"
#include "core/export/CsvExport.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

Animal animal(const char* ring, Sex sex, const char* father = "", const char* mother = "", int year = 2012)
{
    Animal a = testAnimal(QString::fromLatin1(ring), sex, year);
    a.fatherRing = QString::fromLatin1(father);
    a.motherRing = QString::fromLatin1(mother);
    return a;
}

// F of the last animal of the table.
Inbreeding inbreedingOfLast(const AnimalTable& t)
{
    const RingIndex index(t);
    return InbreedingCalculator(t, index).of(qsizetype(t.size() - 1));
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void textbookPedigrees()
    {
        const AnimalTable grandparents
            = {animal("G1", Sex::Male), animal("G2", Sex::Female), animal("G3", Sex::Female)};
        AnimalTable fullSibs = grandparents;
        fullSibs.push_back(animal("S1", Sex::Male, "G1", "G2"));
        fullSibs.push_back(animal("S2", Sex::Female, "G1", "G2"));
        fullSibs.push_back(animal("X", Sex::Male, "S1", "S2"));
        QCOMPARE(inbreedingOfLast(fullSibs).coefficient, 0.25);

        AnimalTable halfSibs = grandparents;
        halfSibs.push_back(animal("A", Sex::Male, "G1", "G2"));
        halfSibs.push_back(animal("B", Sex::Female, "G1", "G3"));
        halfSibs.push_back(animal("X", Sex::Male, "A", "B"));
        QCOMPARE(inbreedingOfLast(halfSibs).coefficient, 0.125);
        QCOMPARE(inbreedingOfLast(halfSibs).percent(), QStringLiteral("12,5 %"));
        const RingIndex index(halfSibs);
        QCOMPARE(InbreedingCalculator(halfSibs, index).ofPair("A", "B").coefficient, 0.125); // before ringing
        QCOMPARE(InbreedingCalculator(halfSibs, index).ofPair("A", "UNBEKANNT").coefficient, 0.0);

        AnimalTable parentOffspring = grandparents;
        parentOffspring.push_back(animal("D", Sex::Female, "G1", "G2"));
        parentOffspring.push_back(animal("X", Sex::Male, "G1", "D"));
        QCOMPARE(inbreedingOfLast(parentOffspring).coefficient, 0.25);

        AnimalTable cousins = grandparents;
        for (const Animal& a : {animal("S1", Sex::Male, "G1", "G2"), animal("S2", Sex::Female, "G1", "G2"),
                                animal("U1", Sex::Female), animal("U2", Sex::Male), animal("C1", Sex::Male, "S1", "U1"),
                                animal("C2", Sex::Female, "U2", "S2"), animal("X", Sex::Male, "C1", "C2")})
            cousins.push_back(a);
        QCOMPARE(inbreedingOfLast(cousins).coefficient, 0.0625);
        QCOMPARE(inbreedingOfLast(cousins).percent(), QStringLiteral("6,25 %"));
        QCOMPARE(inbreedingOfLast(grandparents).coefficient, 0.0); // a founder
    }

    // Full sibs mated generation after generation: F = 1/4 + F'/2 + F''/4, by hand 0.25, 0.375, 0.5, 0.59375.
    void repeatedInbreeding()
    {
        AnimalTable t = {animal("M0", Sex::Male), animal("F0", Sex::Female)};
        const double expected[] = {0.25, 0.375, 0.5, 0.59375};
        for (int g = 1; g <= 5; ++g) {
            const QByteArray father = "M" + QByteArray::number(g - 1);
            const QByteArray mother = "F" + QByteArray::number(g - 1);
            t.push_back(
                animal(("M" + QByteArray::number(g)).constData(), Sex::Male, father.constData(), mother.constData()));
            t.push_back(
                animal(("F" + QByteArray::number(g)).constData(), Sex::Female, father.constData(), mother.constData()));
            if (g >= 2)
                QCOMPARE(inbreedingOfLast(t).coefficient, expected[g - 2]);
        }
        const RingIndex index(t);
        const std::vector<double> all = InbreedingCalculator(t, index).all();
        QCOMPARE(all.back(), 0.59375);
        QCOMPARE(all[2], 0.0);
    }

    // An animal that is its own ancestor neither hangs nor crashes; the result says the link was cut.
    void aCycleIsCutAndSaidSo()
    {
        AnimalTable t = {animal("A", Sex::Male, "C"), animal("B", Sex::Female, "A"), animal("C", Sex::Male, "B", "B")};
        const Inbreeding f = inbreedingOfLast(t);
        QVERIFY(f.cycleCut);
        QVERIFY(f.coefficient >= 0.0 && f.coefficient < 1.0);
        bool cut = false;
        const RingIndex index(t);
        InbreedingCalculator(t, index).all(&cut);
        QVERIFY(cut);
    }

    // Where rings repeat, the last record with the ring is the parent, as on the certificate.
    void repeatedRingsTakeTheLastRecord()
    {
        AnimalTable t = {animal("G1", Sex::Male),
                         animal("G2", Sex::Female),
                         animal("S", Sex::Male),
                         animal("D", Sex::Female, "G1", "G2"),
                         animal("S", Sex::Male, "G1", "G2"),
                         animal("X", Sex::Male, "S", "D")};
        QCOMPARE(inbreedingOfLast(t).coefficient, 0.25);
    }

    void theStockAsCsvForASpreadsheet()
    {
        StockData db;
        db.animals = {animal("b-2", Sex::Female, "A-1", "", 2013), animal("A-1", Sex::Male), animal("GONE", Sex::Male)};
        db.animals[0].breeder = QStringLiteral("Weiß");
        db.animals[0].colour = QStringLiteral("grün");
        db.animals[0].markings.clear();
        db.animals[0].breed = QStringLiteral("Timbrado");
        db.animals[0].remarks = QStringLiteral("Zeile 1\r\nZeile 2");
        db.animals[0].listRemarks = QStringLiteral("\"Perle\" der Zucht");
        db.animals[0].sold = 1;
        db.animals[1].breed = QStringLiteral("Gloster");
        db.animals[1].remarks = QStringLiteral("Gold; 93 Punkte");
        db.animals[2].active = 0;
        // A-1 is entered as opal: his daughter carries it for sure.
        auto records = std::make_unique<RecordsDatabase>();
        QVERIFY(records->changeRecordsOf("A-1", "A-1", {.factors = FactorStates {{"opal", FactorState::Visual}}})
                    .isEmpty());
        const StockDocument stock(db, DataFiles(QString()), std::move(records));
        QCOMPARE(stockCsv(stock, StockListOrder::ByRing), contents(AVELOR_TEST_DATA "/Bestand.csv"));

        BreedingPair pair {QStringLiteral("A-1"), QStringLiteral("b-2"), 4, 45356, {}};
        pair.clutches = {Clutch {45380, 45383, 45384, 1, {{QStringLiteral("J-1"), 45420, 45398}}}, Clutch {}};
        const QStringList lines = QString::fromUtf8(breedingCsv({pair, {}})).split(QStringLiteral("\r\n"));
        QCOMPARE(lines[1],
                 QStringLiteral("1;A-1;b-2;4;05.03.2024;1;29.03.2024;01.04.2024;02.04.2024;1;1;J-1;16.04.2024;"
                                "08.05.2024"));
        QCOMPARE(lines[2], QStringLiteral("1;A-1;b-2;4;05.03.2024;2;;;;0;;;;"));
        QCOMPARE(lines[3], QStringLiteral("2;;;0;;;;;;;;;;"));
    }

    // A text a spreadsheet would run as a formula is written as text; numbers stay numbers.
    void formulaTextsAreDefused()
    {
        AnimalTable t = {animal("=1+2", Sex::Male, "+49", "-X", -3), animal("@SUM(A1)", Sex::Female)};
        t[0].breeder = QStringLiteral("\tHaas");
        t[0].remarks = QStringLiteral("\r=HYPERLINK(\"x\")");
        t[1].colour = QStringLiteral("gelb=rot"); // only the start counts
        const QStringList lines = QString::fromUtf8(stockCsv(t, {0, 1})).split(QStringLiteral("\r\n"));
        QVERIFY(lines[1].startsWith(QStringLiteral("'=1+2;männlich;-3;'\tHaas;")));
        QVERIFY(lines[1].contains(QStringLiteral(";'+49;'-X;\"'\r=HYPERLINK(\"\"x\"\")\";")));
        QVERIFY(lines[2].startsWith(QStringLiteral("'@SUM(A1);weiblich;2012;Müller;gelb=rot;")));
        BreedingPair pair {QStringLiteral("-C"), QStringLiteral("H"), 1, 0, {}};
        QVERIFY(QString::fromUtf8(breedingCsv({pair})).contains(QStringLiteral("\r\n1;'-C;H;1;")));
    }

    void theCheckFindsWhatHandKeptStocksCollect()
    {
        QTemporaryDir pictures;
        StockData db;
        db.animals = {animal("DAD", Sex::Female, "", "", 2015),
                      animal("MUM", Sex::Male),
                      animal("KID", Sex::Male, "DAD", "MUM", 2012),
                      animal("ORPHAN", Sex::Male, "NOBODY"),
                      animal("Twin", Sex::Male),
                      animal("TWIN", Sex::Male),
                      animal("LOOP", Sex::Male, "LOOP")};
        db.pairs = {{QStringLiteral("GHOST"), QStringLiteral("MUM"), 1, 0, {Clutch {0, 0, 0, 1, {{"LOST", 0, 0}}}}}};
        // Colour factors against the parents: a brown son of a father free of brown, a
        // son entered free of opal whose father shows it, a hen hiding a sex-linked factor.
        db.animals.insert(db.animals.end(),
                          {animal("FREI", Sex::Male), animal("BRAUNE", Sex::Female),
                           animal("BRAUNSOHN", Sex::Male, "FREI", "BRAUNE"), animal("OPAL", Sex::Male),
                           animal("FREISOHN", Sex::Male, "OPAL"), animal("HENNE", Sex::Female),
                           animal("OPALMUTTER", Sex::Female), animal("TOCHTER", Sex::Female, "", "OPALMUTTER")});
        for (const auto& [ring, colour] : {std::pair("BRAUNE", "Braun"),
                                           {"BRAUNSOHN", "Braun"},
                                           {"OPAL", "Schwarz Opal"},
                                           {"OPALMUTTER", "Schwarz Opal"}})
            db.animals[size_t(RingIndex(db.animals).lastWith(QString::fromLatin1(ring)))].colour
                = QString::fromLatin1(colour);
        const QHash<QString, FactorStates> factors = {{"FREI", {{"braun", FactorState::Absent}}},
                                                      {"FREISOHN", {{"opal", FactorState::Absent}}},
                                                      {"TOCHTER", {{"opal", FactorState::Absent}}},
                                                      {"HENNE", {{"braun", FactorState::Carrier}}}};
        put(pictures.path() + QStringLiteral("/STRAY.jpg"), "x");
        put(pictures.path() + QStringLiteral("/KID.jpg"), "kaputt");
        const RingIndex index(db.animals);
        const QStringList findings = checkData({db,
                                                index,
                                                pictures.path() + QLatin1Char('/'),
                                                [](const QString& path) {
                                                    return path.endsWith(QStringLiteral("KID.jpg"))
                                                        ? QStringLiteral("Das Bild von KID ist kaputt.")
                                                        : QString();
                                                },
                                                {"KID", "VERKAUFT-UND-WEG"},
                                                factors});
        const QStringList expected = {
            "Der Vater „DAD“ von „KID“ ist weiblich.",
            "Vater „DAD“ (Jahrgang 2015) ist jünger als sein Kind „KID“ (Jahrgang 2012).",
            "Die Mutter „MUM“ von „KID“ ist männlich.",
            "Vater „NOBODY“ von „ORPHAN“ gibt es nicht im Bestand.",
            "2 aktive Tiere tragen dieselbe Ringnummer: Twin, TWIN.",
            "Diese Tiere sind ihre eigenen Vorfahren: LOOP.",
            "Zuchtpaar 1: Den Hahn „GHOST“ gibt es nicht im Bestand.",
            "Zuchtpaar 1, Gelege 1, Ei 1: Den Jungvogel „LOST“ gibt es nicht im Bestand.",
            "Das Bild „STRAY.jpg“ gehört zu keinem Tier.",
            "Das Bild von KID ist kaputt.",
            "Zu „VERKAUFT-UND-WEG“ gibt es Zusatzdaten (Verbleib, Ausstellungen oder Erbanlagen), aber kein Tier im "
            "Bestand trägt diese Ringnummer.",
            "„BRAUNSOHN“ zeigt braun, aber sein Vater „FREI“ ist als frei von braun eingetragen.",
            "„FREISOHN“ ist als frei von opal eingetragen, aber sein Vater „OPAL“ zeigt opal.",
            "„TOCHTER“ ist als frei von opal eingetragen, aber ihre Mutter „OPALMUTTER“ zeigt opal.",
            "Die Erbanlagen von „HENNE“ widersprechen sich: Eine Henne kann braun nicht verdeckt tragen: es wird "
            "geschlechtsgebunden vererbt.",
        };
        for (const QString& finding : expected)
            QVERIFY2(findings.contains(finding), qPrintable(finding + "\n---\n" + findings.join('\n')));
        QCOMPARE(findings.size(), expected.size());

        StockData clean;
        clean.animals = {animal("DAD", Sex::Male, "", "", 2010), animal("MUM", Sex::Female, "", "", 2010),
                         animal("KID", Sex::Male, "DAD", "MUM")};
        const RingIndex cleanIndex(clean.animals);
        QVERIFY(checkData({clean, cleanIndex, pictures.path() + QStringLiteral("/leer/"), {}, {}, {}}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "TestAnalysis.moc"
