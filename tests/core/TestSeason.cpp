// The breeding season: what is due, how the pairs did, whom to pair.
#include "core/analysis/Inbreeding.h"
#include "core/analysis/Kinship.h"
#include "core/analysis/Relationship.h"
#include "core/model/Dates.h"
#include "core/season/BreedingCalendar.h"
#include "core/season/MatePlanner.h"
#include "core/season/SeasonStatistics.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"

#include <QTest>

#include <random>

namespace {

double day(int year, int month, int dayOfMonth)
{
    return Dates::fromDate(QDate(year, month, dayOfMonth));
}

Youngster egg(double hatched = 0, const char* ring = "", double weaned = 0)
{
    return {QString::fromLatin1(ring), weaned, hatched};
}

Animal animal(const char* ring, Sex sex, const char* father = "", const char* mother = "")
{
    Animal a = testAnimal(QString::fromLatin1(ring), sex);
    a.fatherRing = QString::fromLatin1(father);
    a.motherRing = QString::fromLatin1(mother);
    return a;
}

QStringList lines(const std::vector<DueTask>& tasks)
{
    QStringList out;
    for (const DueTask& t : tasks) {
        out << QStringLiteral("%1 %2 %3/%4%5%6")
                   .arg(t.date.toString(Qt::ISODate), taskWord(t.task))
                   .arg(t.cage)
                   .arg(t.clutch + 1)
                   .arg(t.egg ? QStringLiteral("/") + QString::number(*t.egg + 1) : QString())
                   .arg(t.overdue ? QStringLiteral(" überfällig") : QString());
    }
    return out;
}

} // namespace

class TestSeason : public QObject
{
    Q_OBJECT

private slots:
    // Clutches set at the end of a month and of a year; tasks done drop out, changed days move them.
    void dueDatesOfHandMadeClutches()
    {
        BreedingPair late {QStringLiteral("C1"), QStringLiteral("H1"), 2, 0, {}};
        // Set on 28 December: candling 3 January, hatching 10 January, over the turn of the year.
        late.clutches = {Clutch {0, day(2026, 12, 27), day(2026, 12, 28), 3, {egg(), egg(), egg()}}};
        BreedingPair early {QStringLiteral("C2"), QStringLiteral("H2"), 1, 0, {}};
        // Last egg on 27 January, never set: incubation from the last egg. Hatched and ringed young.
        early.clutches = {Clutch {0,
                                  day(2026, 1, 27),
                                  0,
                                  4,
                                  {egg(day(2026, 2, 9)), egg(day(2026, 2, 9), "R-1"), egg(0, "R-2"),
                                   egg(day(2026, 2, 10), "R-3", day(2026, 3, 2))}},
                          Clutch {}, // never saved: no eggs, no tasks
                          Clutch {0, 0, 0, 2, {egg(), egg()}}}; // no date: no tasks
        const PairTable pairs = {late, early};
        const CalendarDays days;

        QCOMPARE(lines(dueTasks(pairs, days, QDate(2026, 12, 30), QDate(2027, 1, 13))),
                 (QStringList {
                     "2026-02-15 Beringen 1/1/1 überfällig", "2026-03-02 Absetzen 1/1/1 überfällig",
                     "2026-03-02 Absetzen 1/1/2 überfällig",
                     "2026-03-02 Absetzen 1/1/3 überfällig", // ringed, hatch unknown: from the expected hatch, 9 Feb
                     "2027-01-03 Schieren 2/1", "2027-01-10 Schlupf 2/1"}));

        // The hatch day has come: no candling any more; a hatched egg makes the hatch done.
        PairTable later = pairs;
        later[0].clutches[0].young[1].hatched = day(2027, 1, 10);
        QCOMPARE(lines(dueTasks(later, days, QDate(2027, 1, 10), QDate(2027, 1, 10))).filter(QStringLiteral(" 2/")),
                 QStringList {}); // ringing on the 16th and weaning later are not due yet
        QCOMPARE(lines(dueTasks(later, days, QDate(2027, 1, 10), QDate(2027, 2, 1))).filter(QStringLiteral(" 2/")),
                 (QStringList {"2027-01-16 Beringen 2/1/2", "2027-01-31 Absetzen 2/1/2"}));

        // The breeder's own day counts.
        CalendarDays own;
        own.candling = 5;
        own.hatching = 14;
        QCOMPARE(lines(dueTasks(pairs, own, QDate(2026, 12, 30), QDate(2027, 1, 13))).filter(QStringLiteral(" 2/")),
                 (QStringList {"2027-01-02 Schieren 2/1", "2027-01-11 Schlupf 2/1"}));
    }

    // A small season counted by hand.
    void seasonFiguresAsCountedByHand()
    {
        BreedingPair first {QStringLiteral("C1"), QStringLiteral("H1"), 1, day(2026, 3, 1), {}};
        first.clutches = {Clutch {day(2026, 3, 20),
                                  0,
                                  0,
                                  4,
                                  {egg(day(2026, 4, 5), "R-1", day(2026, 4, 30)), egg(day(2026, 4, 5), "R-2"),
                                   egg(0, "R-3"), egg()}}, // a ringed young without hatching date counts as hatched
                          Clutch {}}; // never saved: not counted
        BreedingPair second {QStringLiteral("C1"), QStringLiteral("H2"), 2, 0, {}}; // season from the first egg
        second.clutches = {Clutch {day(2026, 5, 2), 0, 0, 2, {egg(), egg()}}};
        BreedingPair none {QStringLiteral("C3"), QStringLiteral("H3"), 3, 0, {}}; // no clutch: no season
        BreedingPair old {QStringLiteral("C1"), QStringLiteral("H1"), 1, day(2025, 3, 1), {}};
        old.clutches = {Clutch {day(2025, 3, 20), 0, 0, 1, {egg(day(2025, 4, 2), "", day(2025, 4, 25))}}};
        const PairTable pairs = {first, second, none, old};

        QCOMPARE(seasons(pairs), (std::vector<int> {2026, 2025}));
        const std::vector<PairFigures> season = pairFigures(pairs, 2026);
        QCOMPARE(season.size(), size_t(2));
        QCOMPARE(season[0].figures, (BreedingFigures {1, 4, 3, 3, 1}));
        QCOMPARE(*season[0].figures.hatchRate(), 0.75);
        QCOMPARE(season[1].figures, (BreedingFigures {1, 2, 0, 0, 0}));
        QVERIFY(!season[1].figures.rearingRate()); // nothing hatched: no rate
        QVERIFY(!seasonOf(none));

        // A cock in three pairs over two seasons; each hen for her own.
        const AnimalTotals totals = animalTotals(pairs);
        QCOMPARE(totals.cocks.value("C1"), (BreedingFigures {3, 7, 4, 3, 2}));
        QCOMPARE(totals.hens.value("H1"), (BreedingFigures {2, 5, 4, 3, 2}));
        QCOMPARE(totals.hens.value("H3"), BreedingFigures {});
    }

    // One relationship each, on a pedigree made for it.
    void relationshipsAreNamed()
    {
        // G1 x G2 -> F (father), U (uncle), S; F x M -> X (cock) and XS (full sister), XH (half sister by F x M2);
        // X x Y -> K (daughter), K -> GK (granddaughter); U -> C (cousin); S x ... -> N? (niece of X is child of XS)
        const AnimalTable t = {
            animal("G1", Sex::Male),
            animal("G2", Sex::Female),
            animal("F", Sex::Male, "G1", "G2"),
            animal("U", Sex::Male, "G1", "G2"),
            animal("A", Sex::Female, "G1", "G2"),
            animal("M", Sex::Female),
            animal("M2", Sex::Female),
            animal("X", Sex::Male, "F", "M"),
            animal("XS", Sex::Female, "F", "M"),
            animal("XH", Sex::Female, "F", "M2"),
            animal("Y", Sex::Female),
            animal("K", Sex::Female, "X", "Y"),
            animal("Z", Sex::Male),
            animal("GK", Sex::Female, "Z", "K"),
            animal("C", Sex::Female, "U", "Y"),
            animal("NI", Sex::Female, "Z", "XS"),
            animal("FREMD", Sex::Female),
            animal("KS", Sex::Male, "X", "Y"),
        };
        const RingIndex index(t);
        const RelationshipFinder find(t, index);
        auto named = [&](const char* a, const char* b) {
            return find.of(index.lastWith(QString::fromLatin1(a)), index.lastWith(QString::fromLatin1(b)));
        };
        QCOMPARE(named("X", "F"), QStringLiteral("Vater"));
        QCOMPARE(named("X", "M"), QStringLiteral("Mutter"));
        QCOMPARE(named("X", "KS"), QStringLiteral("Sohn"));
        QCOMPARE(named("X", "K"), QStringLiteral("Tochter"));
        QCOMPARE(named("X", "XS"), QStringLiteral("Vollgeschwister"));
        QCOMPARE(named("X", "XH"), QStringLiteral("Halbgeschwister"));
        QCOMPARE(named("X", "G2"), QStringLiteral("Großelternteil"));
        QCOMPARE(named("X", "GK"), QStringLiteral("Enkel"));
        QCOMPARE(named("X", "A"), QStringLiteral("Onkel/Tante"));
        QCOMPARE(named("X", "NI"), QStringLiteral("Neffe/Nichte"));
        QCOMPARE(named("X", "C"), QStringLiteral("Cousin/Cousine"));
        QCOMPARE(named("X", "FREMD"), QString());
    }

    // The planner ranks by F of the young, each the same as working the pair out alone.
    void thePlannerRanksByTheYoungsInbreeding()
    {
        std::mt19937 random(7);
        StockData db;
        for (int i = 0; i < 400; ++i) {
            Animal a
                = testAnimal(QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0')), i % 2 ? Sex::Female : Sex::Male);
            if (i >= 40) { // parents from the generations before, so the pedigree has loops of kinship
                a.fatherRing = QStringLiteral("R%1").arg(2 * int(random() % (i / 2)), 3, 10, QLatin1Char('0'));
                a.motherRing = QStringLiteral("R%1").arg(2 * int(random() % (i / 2)) + 1, 3, 10, QLatin1Char('0'));
            }
            db.animals.push_back(a);
        }
        db.animals[399].sold = 1;
        db.animals[397].active = 0;
        const StockDocument stock(db, DataFiles(QString()));
        const MateRanking ranking = rankMates(stock, {QStringLiteral("R398"), std::nullopt});
        QVERIFY(ranking.problem.isEmpty());
        QCOMPARE(ranking.candidates.size(), size_t(198)); // every hen but the sold and the deleted one
        const InbreedingCalculator alone(stock.animals(), stock.ringIndex());
        for (size_t k = 0; k < ranking.candidates.size(); ++k) {
            const MateCandidate& c = ranking.candidates[k];
            QVERIFY(std::abs(c.inbreeding - alone.ofPair(QStringLiteral("R398"), c.ring).coefficient) < 1e-12);
            QCOMPARE(c.close, c.inbreeding >= kCloseInbreeding);
            if (k > 0)
                QVERIFY(ranking.candidates[k - 1].inbreeding <= c.inbreeding);
        }
        QVERIFY(ranking.candidates.back().inbreeding > 0.1);

        QVERIFY(rankMates(stock, {QStringLiteral("NIEMAND"), std::nullopt})
                    .problem.contains(QStringLiteral("nicht im Bestand")));
        StockData unknown;
        unknown.animals = {testAnimal("U")};
        QVERIFY(rankMates(StockDocument(unknown, DataFiles(QString())), {QStringLiteral("U"), std::nullopt})
                    .problem.contains(QStringLiteral("unbekannt")));
    }
};

QTEST_GUILESS_MAIN(TestSeason)
#include "TestSeason.moc"
