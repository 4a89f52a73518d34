// Pairs, clutches, the ringing of the young and the pair sheet, without widgets.
#include "core/breeding/BreedingRules.h"
#include "core/breeding/PairSheet.h"
#include "core/model/Dates.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"

#include <QTest>

#include <cmath>

namespace {

PairInput validPair()
{
    return {QStringLiteral("05.03.2024"), QStringLiteral("7"), QStringLiteral("COCK"), QStringLiteral("HEN")};
}

YoungInput validYoung(const QString& ring)
{
    return {ring,
            Sex::Female,
            QStringLiteral("Gloster"),
            QStringLiteral("02.05.2024"),
            QStringLiteral("30.05.2024"),
            QStringLiteral("kräftig")};
}

} // namespace

class TestBreeding : public QObject
{
    Q_OBJECT

private slots:
    void datesAreDayMonthYear()
    {
        QCOMPARE(Dates::toDate(*Dates::parse(QStringLiteral("5.3.24"))), QDate(2024, 3, 5));
        QCOMPARE(Dates::toDate(*Dates::parse(QStringLiteral("05.03.1999"))), QDate(1999, 3, 5));
        QCOMPARE(Dates::toDate(*Dates::parse(QStringLiteral("1.1.50"))), QDate(1950, 1, 1));
        for (const char* wrong : {"31.02.2024", "", "05/03/2024", "5.3.", "1.13.2024", "x.3.2024", "+1.3.2024",
                                  "1.-3.2024", "1.3.024", "1. 3.2024", "1.1.1899", "1.3.\xd9\xa2\xd9\xa4"})
            QVERIFY2(!Dates::parse(QString::fromUtf8(wrong)), wrong);
    }

    // Every check runs; only the last failure is reported.
    void pairChecksReportTheLastFailure()
    {
        QCOMPARE(checkPair(validPair()), QString());
        PairInput p = validPair();
        p.breedingStart = QStringLiteral("31.02.2024");
        QCOMPARE(checkPair(p), QStringLiteral("Ungültiges Zuchtbeginn-Datum!"));
        p = validPair();
        p.cage.clear();
        QCOMPARE(checkPair(p), QStringLiteral("Ungültige Heckennummer!"));
        p = validPair();
        p.breedingStart = QStringLiteral("kein Datum");
        p.cock.reset();
        QCOMPARE(checkPair(p), QStringLiteral("Bitte Vogel (m) 1.0 auswählen!"));
        p.hen.reset();
        QCOMPARE(checkPair(p), QStringLiteral("Bitte Vogel (w) 0.1 auswählen!"));
        const BreedingPair pair = makePair(validPair());
        QCOMPARE(pair.cageNumber, 7);
        QCOMPARE(Dates::dayMonthShortYear(pair.breedingStart), QStringLiteral("05.03.24"));
        // The pair list's short date is Qt's, for every day a file can hold.
        for (double days = -3e6; days <= 3e6; days += 997.25) {
            const QString qt = Dates::toDate(days).toString(QStringLiteral("dd.MM.yy"));
            QCOMPARE(Dates::dayMonthShortYear(days), qt);
        }
        for (const double odd : {std::nan(""), 1e300, -0.5, 0.0, 2958465.0})
            QCOMPARE(Dates::dayMonthShortYear(odd), Dates::toDate(odd).toString(QStringLiteral("dd.MM.yy")));
    }

    void clutchChecksAndTheResizeOfTheYoung()
    {
        ClutchInput input {QStringLiteral("3"), QStringLiteral("01.04.2024"), QStringLiteral("04.04.2024"),
                           QStringLiteral("05.04.2024")};
        QCOMPARE(checkClutch(input), QString());
        input.eggCount = QStringLiteral("-1");
        QCOMPARE(checkClutch(input), QStringLiteral("Ungültige Anzahl Eier!"));
        input.eggCount = QString::number(kMaxEggsPerClutch);
        QCOMPARE(checkClutch(input), QString());
        // A slip of the keyboard must not make a clutch of gigabytes.
        for (const char* slip : {"31", "100000000"}) {
            input.eggCount = QString::fromLatin1(slip);
            QCOMPARE(checkClutch(input), QStringLiteral("Ungültige Anzahl Eier!"));
        }
        input.incubationStart.clear();
        QCOMPARE(checkClutch(input), QStringLiteral("Ungültiges Datum bei Gelege Gesetzt!"));
        input.incubationStart = QStringLiteral("05.04.2024");
        input.eggCount = QStringLiteral("3");

        Clutch clutch = savedClutch({}, input);
        QCOMPARE(clutch.young.size(), size_t(3));
        clutch.young[1].ring = QStringLiteral("J-2");
        input.eggCount = QStringLiteral("1");
        clutch = savedClutch(clutch, input);
        QCOMPARE(clutch.young.size(), size_t(1)); // the young of eggs 2 and 3 are dropped
        input.eggCount = QStringLiteral("2");
        QVERIFY(savedClutch(clutch, input).young[1].ring.isEmpty());
    }

    void cocksAndHensAreEveryAnimalOfTheirSex()
    {
        AnimalTable t = {testAnimal("C-2", Sex::Male), testAnimal("c-1", Sex::Male), testAnimal("H-1", Sex::Female),
                         testAnimal("X", Sex::Unknown)};
        t[0].active = 0;
        t[2].sold = 1;
        PairCandidates candidates = pairCandidates(t, alphabeticalRingOrder(t));
        QCOMPARE(candidates.cocks, (QStringList {"c-1", "C-2"}));
        QCOMPARE(candidates.hens, QStringList {"H-1"});
        t[1].sex = Sex::Female; // a cock later entered as a hen is no longer offered as a cock
        QCOMPARE(pairCandidates(t, alphabeticalRingOrder(t)).cocks, QStringList {"C-2"});
    }

    void youngChecksInTheirOrder()
    {
        const AnimalTable t = {testAnimal("AB-1")};
        QCOMPARE(checkYoung(t, validYoung(QStringLiteral("ab-1"))),
                 QStringLiteral("ACHTUNG:\n\r\n\rDie Ringnr AB-1 ist bereits angelegt."));
        YoungInput y = validYoung(QString());
        QCOMPARE(checkYoung(t, y), QStringLiteral("Bitte die Ringnummer angeben."));
        y = validYoung(QStringLiteral("J-1"));
        y.sex.reset();
        QCOMPARE(checkYoung(t, y), QStringLiteral("Bitte das Geschlecht angeben."));
        y = validYoung(QStringLiteral("J-1"));
        y.weaned.clear();
        QCOMPARE(checkYoung(t, y), QStringLiteral("Bitte das abgesetzt-Datum richtig angeben."));
        y.hatched = QStringLiteral("99.99.99");
        QCOMPARE(checkYoung(t, y), QStringLiteral("Bitte das Schlupf-Datum richtig angeben."));
    }

    void aRingedYoungAnimalJoinsTheStockWithItsParents()
    {
        StockData db;
        db.animals = {testAnimal("COCK", Sex::Male), testAnimal("HEN", Sex::Female)};
        db.pairs = {makePair(validPair())};
        StockDocument stock(db, DataFiles(QString()));
        stock.addClutch(0);
        stock.setClutch(0, 0, savedClutch({}, {"2", "01.04.2024", "02.04.2024", "03.04.2024"}));
        const YoungInput input = validYoung(QStringLiteral("de-9"));
        stock.ringYoung(0, 0, 1, youngAnimal(input, QStringLiteral("COCK"), QStringLiteral("HEN"), stock.breeder()),
                        ringedYoungster(input));
        const Animal& young = stock.animals().back();
        QCOMPARE(young.ringNumber, QStringLiteral("DE-9"));
        QCOMPARE(young.birthYear, 2024);
        QCOMPARE(young.breeder, QStringLiteral(" ")); // no breeder data yet
        QCOMPARE(young.colour, QStringLiteral("unbekannt"));
        QCOMPARE(young.fatherRing, QStringLiteral("COCK"));
        QCOMPARE(young.motherRing, QStringLiteral("HEN"));
        QCOMPARE(stock.pairs()[0].clutches[0].young[1].ring, QStringLiteral("DE-9"));

        QStringList removed;
        QCOMPARE(stock.clearYoung(0, 0, 1, &removed), QString());
        QCOMPARE(removed, QStringList {"DE-9"});
        QCOMPARE(stock.animals().back().active, quint8(0));
        QVERIFY(stock.animals().back().fatherRing.isEmpty());
        QCOMPARE(stock.pairs()[0].clutches[0].young[1], Youngster {});
        QCOMPARE(checkYoung(stock.animals(), input), QString()); // the same ring may be given again
    }

    // The data columns start at 14, 37, 51 and 87 in the young table and at 15, 34, 54 and 75 in the clutch table.
    void thePairSheetsColumns()
    {
        AnimalTable animals = {testAnimal("COCK", Sex::Male, 2020, "Gloster"), testAnimal("J-1", Sex::Female)};
        animals[1].breed = QStringLiteral("Gloster Corona");
        animals[1].remarks = QStringLiteral("Schau\r\nSieger\nKöln\rGold");
        BreedingPair pair = makePair(validPair());
        Clutch clutch = savedClutch({}, {"2", "01.04.2024", "02.04.2024", "03.04.2024"});
        clutch.young[0] = {QStringLiteral("J-1"), *Dates::parse(QStringLiteral("30.05.2024")), 0};
        pair.clutches = {clutch};
        const PairSheet sheet = pairSheet(animals, pair);
        QCOMPARE(sheet.cockBreed, QStringLiteral("Gloster"));
        QCOMPARE(sheet.cockColour, QStringLiteral("gelb (einfarbig)"));
        QVERIFY(sheet.henBreed.isEmpty() && sheet.henColour.isEmpty()); // no hen in stock: empty, not stale
        const QStringList clutchLines = sheet.clutches.split(QStringLiteral("\r\n"));
        const QString dates = clutchLines[0].section(QStringLiteral("\n\r"), 1);
        QCOMPARE(dates.indexOf(QStringLiteral("01.04.2024")), 15);
        QCOMPARE(dates.indexOf(QStringLiteral("02.04.2024")), 34);
        QCOMPARE(dates.indexOf(QLatin1Char('2'), 44), 54);
        QCOMPARE(dates.indexOf(QStringLiteral("03.04.2024")), 75);
        const QStringList young = sheet.young.section(QStringLiteral("\n\r"), 1).split(QStringLiteral("\r\n"));
        QCOMPARE(young[0].indexOf(QStringLiteral("J-1")), 14);
        QCOMPARE(young[0].indexOf(QStringLiteral("weiblich")), 37);
        QCOMPARE(young[0].indexOf(QStringLiteral("Gloster Corona")), 51);
        QCOMPARE(young[0].indexOf(QStringLiteral("30.05.2024")), 87);
        QCOMPARE(young[1], QString(14, QLatin1Char(' ')) + "Schau Sieger Köln Gold"); // any line break, one space
        QCOMPARE(young[2], QString(14, QLatin1Char(' ')) + "nicht beringt"); // egg 2, on its own line
    }
};

QTEST_GUILESS_MAIN(TestBreeding)
#include "TestBreeding.moc"
