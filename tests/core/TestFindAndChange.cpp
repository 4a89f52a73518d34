// The descendants walk, the search and the change rules, without widgets.
#include "core/stock/AnimalChange.h"
#include "core/stock/AnimalDeletion.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/StockSearch.h"
#include "support/SampleAnimals.h"
#include "support/ScanOracles.h"

#include <QTest>

#include <random>

namespace {

Animal child(const QString& ring, const QString& father, const QString& mother)
{
    Animal a = testAnimal(ring);
    a.fatherRing = father;
    a.motherRing = mother;
    return a;
}

QStringList search(const AnimalTable& animals, const SearchCriteria& criteria)
{
    return searchStock(animals, alphabeticalRingOrder(animals), criteria);
}

// What the document does with an edit, without its files: check, then store.
AnimalEditResult applyAnimalEdit(AnimalTable& animals, const QString& selectedRing, const AnimalEdit& edit)
{
    const AnimalEditResult checked = checkAnimalEdit(animals, selectedRing, edit);
    if (checked.stored())
        writeAnimalEdit(animals, selectedRing, edit);
    return checked;
}

} // namespace

class TestFindAndChange : public QObject
{
    Q_OBJECT

private slots:
    void walkListsChildrenByLinkAndDeeperGenerationsOnce()
    {
        const AnimalTable t = {
            testAnimal("P"),
            child("SON", "P", "X"),
            child("DAUGHTER", "Y", "P"),
            child("GRAND", "SON", "DAUGHTER"), // reached through a son and a daughter
            child("BOTH", "P", "P"), // father and mother are P
            child("GREAT", "GRAND", ""),
        };
        const Descendants d = findDescendants(t, QStringLiteral("P"));
        QCOMPARE(d.generations[0], (QStringList {"SON", "DAUGHTER", "BOTH", "BOTH"}));
        QCOMPARE(d.generations[1], QStringList {"GRAND"});
        QCOMPARE(d.generations[2], QStringList {"GREAT"});
        QVERIFY(d.generations[3].isEmpty());
        QVERIFY(findDescendants(t, QStringLiteral("GREAT")).generations[0].isEmpty());
    }

    void anAnimalThatIsItsOwnFatherStopsAfterFourGenerations()
    {
        const AnimalTable t = {child("SELF", "SELF", "")};
        const Descendants d = findDescendants(t, QStringLiteral("SELF"));
        for (const QStringList& generation : d.generations)
            QCOMPARE(generation, QStringList {"SELF"});
    }

    void soldDescendantsAreFoundDeletedOnesNot()
    {
        AnimalTable t = {testAnimal("P"), child("SOLD", "P", ""), child("DEAD", "P", "")};
        t[1].sold = 1;
        markDeleted(t, QStringLiteral("DEAD"));
        QCOMPARE(findDescendants(t, QStringLiteral("P")).generations[0], QStringList {"SOLD"});
    }

    void indexedWalkMatchesTheScan()
    {
        std::mt19937 random(11);
        for (int round = 0; round < 100; ++round) {
            AnimalTable t(60);
            for (Animal& a : t) {
                a.ringNumber = QString::number(random() % 50); // repeats on purpose
                a.fatherRing = random() % 4 ? QString::number(random() % 55) : QString();
                a.motherRing = random() % 4 ? QString::number(random() % 55) : QString();
            }
            for (int p = 0; p < 55; p += 3) {
                const Descendants indexed = findDescendants(t, QString::number(p));
                const Descendants scanned = findDescendantsByScan(t, QString::number(p));
                for (int g = 0; g < 4; ++g)
                    QCOMPARE(indexed.generations[g], scanned.generations[g]);
            }
        }
    }

    void searchCriteria()
    {
        AnimalTable t = {testAnimal("DE-12-7", Sex::Male, 2012), testAnimal("AT-5", Sex::Female, 1912),
                         testAnimal("CH-9", Sex::Unknown, 2120), testAnimal("X-1", Sex::Male, 12),
                         testAnimal("GONE-12", Sex::Female, 2013)};
        t[4].active = 0;
        t[1].breeder = QStringLiteral("Anton Huber");
        SearchCriteria c;
        QCOMPARE(search(t, c), (QStringList {"AT-5", "CH-9", "DE-12-7", "GONE-12", "X-1"})); // deleted ones too

        c.year.text = QStringLiteral("12");
        QCOMPARE(search(t, c), (QStringList {"AT-5", "CH-9", "DE-12-7", "X-1"}));
        c.year.exact = true;
        QCOMPARE(search(t, c), QStringList {"X-1"});
        c = {};
        c.ring.text = QStringLiteral("12");
        QCOMPARE(search(t, c), (QStringList {"DE-12-7", "GONE-12"}));
        c.ring.text = QStringLiteral("de-");
        QVERIFY(search(t, c).isEmpty()); // case-sensitive
        c.ring = {QString(), true};
        QVERIFY(search(t, c).isEmpty()); // an empty exact ring matches no ring
        c = {};
        c.breeder.text = QStringLiteral("huber");
        QVERIFY(search(t, c).isEmpty());
        c.breeder.text = QStringLiteral("Huber");
        QCOMPARE(search(t, c), QStringList {"AT-5"});
        c.breeder.exact = true;
        QVERIFY(search(t, c).isEmpty());
        c = {};
        c.sex = Sex::Female;
        QCOMPARE(search(t, c), (QStringList {"AT-5", "GONE-12"}));
        c.year.text = QStringLiteral("ü");
        QVERIFY(search(t, c).isEmpty());
    }

    void changeRefusesTakenRingsOnly()
    {
        AnimalTable t = {testAnimal("A-1", Sex::Male, 2012), testAnimal("B-2", Sex::Female, 2013),
                         testAnimal("OLD", Sex::Male, 2000)};
        t[2].active = 0;
        t[0].sold = 1;
        AnimalEdit edit;
        edit.fields.ring = QStringLiteral("A-1");
        edit.fields.sex = Sex::Male;
        edit.fields.year = QStringLiteral("2014");
        edit.fields.colour = QStringLiteral("rot");
        QVERIFY(applyAnimalEdit(t, QStringLiteral("A-1"), edit).stored()); // unchanged ring: no duplicate
        QCOMPARE(t[0].colour, QStringLiteral("rot"));
        QCOMPARE(t[0].sold, quint8(0)); // un-ticked

        edit.fields.ring = QStringLiteral("b-2");
        QCOMPARE(applyAnimalEdit(t, QStringLiteral("A-1"), edit).message,
                 QStringLiteral("Diese Ringnummer existiert schon."));
        edit.fields.ring = QStringLiteral("OLD"); // a deleted animal's ring may be taken
        edit.fields.sex = std::nullopt;
        edit.sold = true;
        QVERIFY(applyAnimalEdit(t, QStringLiteral("A-1"), edit).stored());
        QCOMPARE(t[0].ringNumber, QStringLiteral("OLD"));
        QCOMPARE(t[0].sex, Sex::Male);
        QCOMPARE(t[0].sold, quint8(1));

        edit.fields.ring = QStringLiteral("NEW");
        edit.fields.year = QStringLiteral("zwei");
        const AnimalEditResult refused = applyAnimalEdit(t, QStringLiteral("OLD"), edit);
        QCOMPARE(refused.outcome, AnimalEditResult::Outcome::Refused);
        QCOMPARE(refused.message, QStringLiteral("'zwei' is not a valid integer value"));
        QCOMPARE(t[0].ringNumber, QStringLiteral("OLD"));
    }

    // Files from elsewhere may hold lower-case rings, which the ring field shows in capitals.
    void anAnimalIsNeverItsOwnDuplicate()
    {
        AnimalTable t = {testAnimal("de-1"), testAnimal("X")};
        AnimalEdit edit;
        edit.fields.ring = QStringLiteral("DE-1");
        edit.fields.year = QStringLiteral("2012");
        edit.fields.colour = QStringLiteral("rot");
        QVERIFY(applyAnimalEdit(t, QStringLiteral("de-1"), edit).stored());
        QCOMPARE(t[0].ringNumber, QStringLiteral("DE-1"));
        QCOMPARE(t[0].colour, QStringLiteral("rot"));
    }

    // The search lists deleted animals, so the change dialog can be asked to save one.
    void aDeletedAnimalIsNotChanged()
    {
        AnimalTable t = {testAnimal("GONE")};
        t[0].active = 0;
        AnimalEdit edit;
        edit.fields.ring = QStringLiteral("NEW");
        edit.fields.year = QStringLiteral("2012");
        const AnimalEditResult result = applyAnimalEdit(t, QStringLiteral("GONE"), edit);
        QCOMPARE(result.outcome, AnimalEditResult::Outcome::NotFound);
        QVERIFY(result.message.contains(QStringLiteral("GONE")));
        QCOMPARE(t[0].ringNumber, QStringLiteral("GONE"));
    }

    void aChangedRingCanBeCarriedIntoLinks()
    {
        StockData db;
        db.animals = {testAnimal("OLD"), child("KID", "OLD", "M")};
        BreedingPair pair;
        pair.cockRing = QStringLiteral("OLD");
        Clutch clutch;
        clutch.young = {{QStringLiteral("OLD"), 0, 0}, {QString(), 0, 0}};
        pair.clutches = {clutch};
        db.pairs = {pair};
        QCOMPARE(linksTo(db, QStringLiteral("OLD")), 3);
        QCOMPARE(linksTo(db, QString()), 0);
        carryRingChange(db, QStringLiteral("OLD"), QStringLiteral("NEW"));
        QCOMPARE(db.animals[1].fatherRing, QStringLiteral("NEW"));
        QCOMPARE(db.pairs[0].cockRing, QStringLiteral("NEW"));
        QCOMPARE(db.pairs[0].clutches[0].young[0].ring, QStringLiteral("NEW"));
        QCOMPARE(db.animals[0].ringNumber, QStringLiteral("OLD")); // the animal itself is the caller's
    }
};

QTEST_GUILESS_MAIN(TestFindAndChange)
#include "TestFindAndChange.moc"
