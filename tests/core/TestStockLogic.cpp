// The rules behind the stock dialogs, tested without widgets.
#include "core/model/Alphabetical.h"
#include "core/model/TextRules.h"
#include "core/pictures/PictureFit.h"
#include "core/stock/AnimalDeletion.h"
#include "core/stock/AnimalEntry.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/ListedMarks.h"
#include "core/stock/ParentLinks.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockSort.h"
#include "support/FileHelpers.h"

#include "support/SampleAnimals.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

namespace {

AnimalInput completeInput(const QString& ring)
{
    AnimalInput in;
    in.ring = ring;
    in.sex = Sex::Male;
    in.year = QStringLiteral("2012");
    in.breeder = QStringLiteral("Müller");
    in.colour = QStringLiteral("gelb");
    in.markings = QStringLiteral("einfarbig");
    return in;
}

QStringList ringsOf(const AnimalTable& animals)
{
    QStringList rings;
    for (const Animal& a : animals)
        rings << a.ringNumber;
    return rings;
}

} // namespace

class TestStockLogic : public QObject
{
    Q_OBJECT

private slots:
    void upperCasingChangesOnlyAsciiLetters()
    {
        QCOMPARE(upperAscii(QStringLiteral("ab-12 äöü ß é")), QStringLiteral("AB-12 äöü ß é"));
    }

    void yearTextConversion()
    {
        QCOMPARE(toInt32(QStringLiteral("2012")), std::optional<qint32>(2012));
        QCOMPARE(toInt32(QStringLiteral("  -7")), std::optional<qint32>(-7));
        QVERIFY(!toInt32(QString()));
        QVERIFY(!toInt32(QStringLiteral("20 12")));
        QVERIFY(!toInt32(QStringLiteral("2147483648")));
        QCOMPARE(toInt32(QStringLiteral("-2147483648")), std::optional<qint32>(INT_MIN));
        QCOMPARE(notAnIntegerMessage(QStringLiteral("12a")), QStringLiteral("'12a' is not a valid integer value"));
    }

    void stockSortOrdersYearsAndPositionsAsText()
    {
        AnimalTable t = {testAnimal("p0", Sex::Unknown, 2012), testAnimal("p1", Sex::Unknown, 2012),
                         testAnimal("p2", Sex::Unknown, 2012), testAnimal("p3", Sex::Unknown, 2013)};
        sortStock(t);
        QCOMPARE(ringsOf(t), (QStringList {"p3", "p2", "p1", "p0"}));

        AnimalTable twelve;
        for (int i = 0; i < 12; ++i)
            twelve.push_back(testAnimal(QStringLiteral("p%1").arg(i), Sex::Unknown, i < 9 ? 1990 : 2000));
        twelve[4].active = 0;
        sortStock(twelve);
        // "2000 9" > "2000 11" > "2000 10" as text; the deleted record is gone.
        QCOMPARE(ringsOf(twelve).mid(0, 3), (QStringList {"p9", "p11", "p10"}));
        QCOMPARE(twelve.size(), size_t(11));
        QVERIFY(!ringsOf(twelve).contains(QStringLiteral("p4")));
    }

    void distinctValuesKeepCaseAndEmptyAndMarkLikeTheScan()
    {
        AnimalTable t = {testAnimal("a", Sex::Unknown, 0, "Timbrado"), testAnimal("b", Sex::Unknown, 0, "timbrado"),
                         testAnimal("c", Sex::Unknown, 0, ""),         testAnimal("d", Sex::Unknown, 0, "Gloster"),
                         testAnimal("e", Sex::Unknown, 0, "Timbrado"), testAnimal("f", Sex::Unknown, 0, "Lizard")};
        t[5].active = 0; // a deleted animal's breed is not offered
        t[3].listedMark = 0;
        QVERIFY(!markListedValues(t, &Animal::breed).empty());
        QVERIFY(markListedValues(t, &Animal::breed).empty()); // nothing left to change
        const QStringList breeds = distinctValues(t, &Animal::breed);
        QCOMPARE(breeds.size(), 4);
        QCOMPARE(breeds[0], QString());
        QCOMPARE(breeds[1], QStringLiteral("Gloster"));
        QVERIFY(breeds.contains(QStringLiteral("Timbrado")) && breeds.contains(QStringLiteral("timbrado")));
        QVERIFY(!breeds.contains(QStringLiteral("Lizard")));
        for (const Animal& a : t)
            QCOMPARE(a.listedMark, quint8(a.ringNumber == QLatin1String("f") ? 0 : 1));
    }

    // The quick order of plain rings says what the German collator says, pair for pair,
    // and a list that holds other characters goes to the collator as a whole.
    void plainRingsSortAsTheCollatorSortsThem()
    {
        const QString alphabet = QStringLiteral("aAbBzZ0189 -./");
        QRandomGenerator random(42);
        auto text = [&] {
            QString t;
            for (int n = int(random.bounded(7)); n > 0; --n)
                t += alphabet[int(random.bounded(alphabet.size()))];
            return t;
        };
        const QCollator& collator = alphabeticalCollator();
#ifdef Q_OS_LINUX
        QVERIFY(plainOrderIsTheCollatorsOrder()); // ICU's German order: the quick path is taken
#endif
        for (int i = 0; plainOrderIsTheCollatorsOrder() && i < 20000; ++i) {
            const QString a = text();
            const QString b = text();
            const int expected = collator.compare(a, b);
            QVERIFY2(comparePlainly(a, b)
                         == (expected < 0       ? -1
                                 : expected > 0 ? 1
                                                : 0),
                     qPrintable(QStringLiteral("„%1“ / „%2“").arg(a, b)));
        }
        // Quick path or not, a list comes out in the collator's order.
        QStringList list;
        for (int i = 0; i < 2000; ++i)
            list << text();
        sortAlphabetically(list);
        // Wine's CompareStringEx is not transitive where it passes over spaces and
        // punctuation, so no sort gives neighbours it calls in order; Windows' is.
        for (qsizetype i = 1; !runningUnderWine() && i < list.size(); ++i)
            QVERIFY2(collator.compare(list[i - 1], list[i]) <= 0,
                     qPrintable(QStringLiteral("„%1“ / „%2“").arg(list[i - 1], list[i])));
        // Texts equal but for case keep their order, in short lists and in long ones (sorted
        // on two threads), with rings of the full length and with one text longer than a ring.
        for (const int size : {300, 60000}) {
            for (const int longerAt : {-1, 0, size - 1}) { // in the first or the last half
                if (!plainOrderIsTheCollatorsOrder())
                    break; // the collator's own sort, checked above
                QStringList texts;
                for (int i = 0; i < size; ++i) {
                    QString t = text();
                    if (i % 5 == 0)
                        t = t.leftJustified(20, QLatin1Char('a'), true);
                    texts << (i % 3 ? t : t.toUpper());
                }
                if (longerAt >= 0) // a ring's length and one more: the shorter comes first
                    texts[longerAt] = texts[5] + QLatin1Char('b');
                QStringList expected = texts;
                std::stable_sort(expected.begin(), expected.end(),
                                 [](const QString& a, const QString& b) { return comparePlainly(a, b) < 0; });
                sortAlphabetically(texts);
                QCOMPARE(texts, expected);
            }
        }
        // One text that is not plain, in the last half of a long list, sends all of it to the collator.
        if (!runningUnderWine()) {
            QStringList texts;
            for (int i = 0; i < 60000; ++i)
                texts << text();
            texts.last() = QStringLiteral("Ä-1");
            QStringList expected = texts;
            std::stable_sort(expected.begin(), expected.end(),
                             [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
            sortAlphabetically(texts);
            QCOMPARE(texts, expected);
        }
        QCOMPARE(comparePlainly(QStringLiteral("Ä-1"), QStringLiteral("A-1")), 2);
        QStringList mixed = {"b-2", "Ä-1", "A-1", "B-2", "ä-0"};
        sortAlphabetically(mixed);
        QCOMPARE(mixed, (QStringList {"ä-0", "A-1", "Ä-1", "b-2", "B-2"}));
    }

    void pedigreeCandidatesLeaveOutSoldAndDeleted()
    {
        AnimalTable t = {testAnimal("B-2"), testAnimal("a-1"), testAnimal("C-3"), testAnimal("D-4")};
        t[2].sold = 1;
        t[3].active = 0;
        QCOMPARE(pedigreeCandidates(t), (QStringList {"a-1", "B-2"}));
    }

    void singleEntryChecksRunInOrder()
    {
        AnimalTable t = {testAnimal("AB-12")};
        AnimalInput in = completeInput(QStringLiteral("ab-12"));
        QCOMPARE(checkNewAnimal(t, in), QStringLiteral("ACHTUNG:\n\r\n\rDie Ringnr AB-12 ist bereits angelegt."));
        t[0].active = 0; // a deleted animal frees its ring
        QCOMPARE(checkNewAnimal(t, in), QString());

        const struct
        {
            void (*spoil)(AnimalInput&);
            const char* message;
        } steps[] = {
            {[](AnimalInput& i) { i.ring.clear(); }, "Bitte die Ringnummer angeben."},
            {[](AnimalInput& i) { i.sex = std::nullopt; }, "Bitte das Geschlecht angeben."},
            {[](AnimalInput& i) { i.year.clear(); }, "Bitte das Geburtsjahr angeben."},
            {[](AnimalInput& i) { i.breeder.clear(); }, "Bitte den Züchter angeben."},
            {[](AnimalInput& i) { i.markings.clear(); },
             "Bitte die Zeichnung angeben (z.B. einfarbig oder gescheckt)."},
            {[](AnimalInput& i) { i.colour.clear(); }, "Bitte die Farbe angeben."},
        };
        // Spoiling every later field too shows that each check comes before the ones after it.
        for (size_t k = 0; k < std::size(steps); ++k) {
            AnimalInput spoilt = completeInput(QStringLiteral("X"));
            for (size_t j = k; j < std::size(steps); ++j)
                steps[j].spoil(spoilt);
            spoilt.year = k <= 2 ? QString() : QStringLiteral("abc");
            QCOMPARE(checkNewAnimal({}, spoilt), QString::fromUtf8(steps[k].message));
        }
        AnimalInput badYear = completeInput(QStringLiteral("X"));
        badYear.year = QStringLiteral("20x2");
        QCOMPARE(checkNewAnimal({}, badYear), QStringLiteral("'20x2' is not a valid integer value"));
    }

    void newAnimalIsUpperCasedAndCut()
    {
        AnimalInput in = completeInput(QStringLiteral("ab-12"));
        in.breeder = QString(35, QLatin1Char('z'));
        const Animal a = makeNewAnimal(in, in.ring);
        QCOMPARE(a.ringNumber, QStringLiteral("AB-12"));
        QCOMPARE(a.breeder.size(), 30);
        QCOMPARE(a.active, quint8(1));
        QCOMPARE(a.sold, quint8(0));
        QCOMPARE(a.birthYear, 2012);
        QVERIFY(a.fatherRing.isEmpty() && a.motherRing.isEmpty());
    }

    void rangeCandidatesAndRefusals()
    {
        const AnimalInput in = completeInput(QString());
        RangePlan plan = planRingRange({}, {"06165-12-", "084", "121"}, in);
        QCOMPARE(plan.rings.size(), 38);
        QCOMPARE(plan.rings.first(), QStringLiteral("06165-12-084"));
        QCOMPARE(plan.rings.last(), QStringLiteral("06165-12-121"));

        plan = planRingRange({}, {"de-", "01", "10"}, in);
        QCOMPARE(
            plan.rings,
            (QStringList {"DE-01", "DE-02", "DE-03", "DE-04", "DE-05", "DE-06", "DE-07", "DE-08", "DE-09", "DE-10"}));

        const struct
        {
            RingRange range;
            QString message;
        } refused[] = {
            {{"", "1", "2"}, "\"Anfang der Ringnummer\" darf nicht leer sein."},
            {{"A", "1a", "2"}, "Von-Feld darf nur Zahlen enthalten."},
            {{"A", "1", "-2"}, "Bis-Feld darf nur Zahlen enthalten."},
            {{"A", "", "2"}, "'' is not a valid integer value"},
            {{"A", "1", "99999999999"}, "'99999999999' is not a valid integer value"},
            {{"A", "084", "084"}, "Von-Feld muß kleiner als das Bis-Feld sein."},
            {{"A", "9", "3"}, "Von-Feld muß kleiner als das Bis-Feld sein."},
            {{"A", "1", "10"}, "Bitte die führenden Nullen eintragen."},
        };
        for (const auto& r : refused) {
            plan = planRingRange({}, r.range, in);
            QCOMPARE(plan.message, r.message);
            QVERIFY(plan.rings.isEmpty());
        }
    }

    void rangeWithOneExistingCandidateCreatesNothing()
    {
        AnimalTable t = {testAnimal("DE-05")};
        const AnimalInput in = completeInput(QString());
        const RangePlan plan = planRingRange(t, {"de-", "01", "10"}, in);
        QCOMPARE(plan.message,
                 QStringLiteral("Achtung! Es gibt schon (mindestens eine) der zu generierenden "
                                "Kanarienvögel. Abbruch!"));
        QVERIFY(plan.rings.isEmpty());
        t[0].active = 0;
        QCOMPARE(planRingRange(t, {"de-", "01", "10"}, in).rings.size(), 10);
    }

    void rangeChecksTheSharedFieldsAfterTheRings()
    {
        AnimalInput in = completeInput(QString());
        in.sex = std::nullopt;
        in.colour.clear();
        QCOMPARE(planRingRange({}, {"A", "1", "3"}, in).message, QStringLiteral("Bitte das Geschlecht angeben."));
        in = completeInput(QString());
        in.year = QStringLiteral("x");
        QCOMPARE(planRingRange({}, {"A", "1", "3"}, in).message, QStringLiteral("'x' is not a valid integer value"));
    }

    void rangeRingsAreCutToTwentyAndStayUnique()
    {
        const AnimalInput in = completeInput(QString());
        RangePlan plan = planRingRange({}, {"ABCDEFGHIJKLMNOPQR", "098", "099"}, in);
        QVERIFY2(!plan.message.isEmpty(), "cutting would give the same ring twice");
        plan = planRingRange({}, {"ABCDEFGHIJKLMNOPQR", "1", "2"}, in);
        QCOMPARE(plan.rings, (QStringList {"ABCDEFGHIJKLMNOPQR1", "ABCDEFGHIJKLMNOPQR2"}));
        AnimalTable t = {testAnimal("ABCDEFGHIJKLMNOPQRS0")};
        plan = planRingRange(t, {"ABCDEFGHIJKLMNOPQRS", "01", "02"}, in);
        QVERIFY(plan.message.startsWith(QStringLiteral("Achtung!")));
    }

    void parentListsFollowTheirRules()
    {
        AnimalTable t = {testAnimal("CHILD", Sex::Unknown, 2012, "G"), testAnimal("MUM", Sex::Female, 2010, "G"),
                         testAnimal("DAD", Sex::Male, 2010, "T"), testAnimal("OLDMUM", Sex::Female, 2008, "G"),
                         testAnimal("SOLDDAD", Sex::Male, 2008, "G")};
        t[3].active = 0;
        t[4].sold = 1;
        ParentListOptions o;
        ParentLists l = buildParentLists(t, o);
        QCOMPARE(l.children, (QStringList {"CHILD", "DAD", "MUM", "SOLDDAD"}));
        QCOMPARE(l.mothers, QStringList {"MUM"});
        QCOMPARE(l.fathers, (QStringList {"DAD", "SOLDDAD"}));

        o.showDeleted = true;
        QCOMPARE(buildParentLists(t, o).mothers, (QStringList {"MUM", "OLDMUM"}));
        o.breed = QStringLiteral("G");
        l = buildParentLists(t, o);
        QCOMPARE(l.children, (QStringList {"CHILD", "MUM", "SOLDDAD"}));
        QCOMPARE(l.fathers, (QStringList {"DAD", "SOLDDAD"})); // parents unfiltered without "filter parents too"
        o.filterParentsToo = true;
        o.hideSold = true;
        l = buildParentLists(t, o);
        QCOMPARE(l.fathers, QStringList {"VERK. KANARIENVOGEL"});
        QCOMPARE(l.mothers, (QStringList {"MUM", "OLDMUM", "VERK. KANARIENVOGEL"}));
        QCOMPARE(l.children, (QStringList {"CHILD", "MUM"}));
    }

    void soldParentEntryKeepsTheStoredParent()
    {
        AnimalTable t = {testAnimal("CHILD"), testAnimal("SOLDDAD", Sex::Male), testAnimal("MUM", Sex::Female)};
        t[0].fatherRing = QStringLiteral("SOLDDAD");
        t[1].sold = 1;
        ParentListOptions o;
        o.hideSold = true;
        const ParentLists l = buildParentLists(t, o);
        const ChildParents shown = parentsOf(t[0], l, true);
        QCOMPARE(shown.father, QStringLiteral("VERK. KANARIENVOGEL"));
        QCOMPARE(shown.motherLabel, QStringLiteral("keine"));
        QVERIFY(shown.mother.isEmpty());
        QVERIFY(hiddenParentWarning(t[0], l, QString(), shown.father).isEmpty());
        QVERIFY(saveParents(t, QStringLiteral("CHILD"), QStringLiteral("MUM"), shown.father));
        QCOMPARE(t[0].fatherRing, QStringLiteral("SOLDDAD"));
        QCOMPARE(t[0].motherRing, QStringLiteral("MUM"));

        // Without hiding sold animals a hidden (deleted) parent is emptied, after a warning.
        t[2].active = 0;
        const ParentLists plain = buildParentLists(t, {});
        const ChildParents again = parentsOf(t[0], plain, false);
        QVERIFY(again.mother.isEmpty());
        QVERIFY(!hiddenParentWarning(t[0], plain, again.mother, again.father).isEmpty());
        saveParents(t, QStringLiteral("CHILD"), again.mother, again.father);
        QVERIFY(t[0].motherRing.isEmpty());
        QCOMPARE(t[0].fatherRing, QStringLiteral("SOLDDAD"));
    }

    void anAnimalMayBeItsOwnFather()
    {
        AnimalTable t = {testAnimal("SELF", Sex::Male)};
        QVERIFY(saveParents(t, QStringLiteral("SELF"), QString(), QStringLiteral("SELF")));
        QCOMPARE(t[0].fatherRing, QStringLiteral("SELF"));
    }

    void deletingKeepsChildrenLinksAndEmptiesItsOwn()
    {
        AnimalTable t = {testAnimal("DAD", Sex::Male), testAnimal("KID")};
        t[0].fatherRing = QStringLiteral("GRANDDAD");
        t[1].fatherRing = QStringLiteral("DAD");
        QVERIFY(markDeleted(t, QStringLiteral("DAD")));
        QCOMPARE(t[0].active, quint8(0));
        QVERIFY(t[0].fatherRing.isEmpty());
        QCOMPARE(t[1].fatherRing, QStringLiteral("DAD"));
        QVERIFY(!markDeleted(t, QStringLiteral("DAD")));
    }

    void picturesFitTheirBoxWithHalvesToEven()
    {
        QCOMPARE(fitPicture({340, 120}, {170, 120}, {170, 120}), QSize(170, 60));
        QCOMPARE(fitPicture({60, 120}, {170, 120}, {170, 120}), QSize(60, 120));
        QCOMPARE(fitPicture({340, 240}, {170, 120}, {99, 77}), QSize(99, 77)); // same proportions
        QCOMPARE(fitPicture({340, 5}, {170, 120}, {170, 120}), QSize(170, 2)); // 2.5 rounds to 2
        QCOMPARE(fitPicture({200, 100}, {130, 100}, {130, 100}), QSize(130, 65));
    }
};

QTEST_GUILESS_MAIN(TestStockLogic)
#include "TestStockLogic.moc"
