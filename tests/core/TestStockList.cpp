// The stock list's entries, orders and HTML page.
#include "core/stock/StockDocument.h"
#include "core/stocklist/StockList.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QBuffer>
#include <QTest>

namespace {

Animal listed(const QString& ring, int year, const QString& breed = QStringLiteral("Gloster"))
{
    Animal a = testAnimal(ring, Sex::Female, year, breed);
    a.listRemarks = QStringLiteral("Liste ") + ring;
    return a;
}

QStringList ringsOf(const AnimalTable& animals, const std::vector<qsizetype>& order)
{
    QStringList rings;
    for (const qsizetype i : order)
        rings << animals[size_t(i)].ringNumber;
    return rings;
}

QByteArray html(const AnimalTable& animals, StockListOrder order)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return writeStockListHtml(buffer, animals, order, QStringLiteral("06.12.26")) ? buffer.data() : QByteArray();
}

} // namespace

class TestStockList : public QObject
{
    Q_OBJECT

private slots:
    void entriesLineUpInAFixedPitchFont()
    {
        // Ring, " (", colour, " [", markings, "])": 2 + 9 + 2 + 9 + 2 = 24 characters besides the ring.
        Animal a = testAnimal(QString(16, QLatin1Char('R')), Sex::Male, 2012, QStringLiteral("Gloster"));
        a.colour = QString(9, QLatin1Char('c'));
        a.markings = QString(9, QLatin1Char('m'));
        QCOMPARE(headText(a).size(), 42); // 40 characters, padded to 42
        a.ringNumber = QString(17, QLatin1Char('R'));
        QCOMPARE(headText(a), a.ringNumber + " (ccccccccc [mmmmmmmmm]) "); // 41 characters get one space
        a.ringNumber = QString(19, QLatin1Char('R'));
        QCOMPARE(headText(a).size(), 43); // 43 characters get none
        a.listRemarks = QStringLiteral("Zuchthahn");
        QCOMPARE(itemText(a, StockListLayout::OneLine), headText(a) + "Zuchthahn");
        QCOMPARE(itemText(a, StockListLayout::TwoLines), headText(a) + " (2012) Gloster\r\n       [M] Zuchthahn");
        QCOMPARE(sexMark(static_cast<Sex>(7)), QString());
    }

    void runningNumbersHaveFourDigitsAtLeast()
    {
        const QStringList items = numbered(QStringList(10000, QStringLiteral("x")));
        QCOMPARE(items[6], QStringLiteral("0007   x"));
        QCOMPARE(items[9999], QStringLiteral("10000   x"));
    }

    void onlyActiveUnsoldAnimalsAreListedInTheirOrder()
    {
        AnimalTable t = {listed("b-2", 2013),  listed("A-1", 2012),        listed("SOLD", 2012),
                         listed("GONE", 2012), listed("C-3", 0, "Lizard"), listed("a-0", 2012)};
        t[2].sold = 1;
        t[3].active = 0;
        const auto byRing = listedPositions(t, StockListOrder::ByRing, StockListLayout::TwoLines, std::nullopt);
        QCOMPARE(ringsOf(t, byRing), (QStringList {"a-0", "A-1", "b-2", "C-3"})); // letter case ignored
        // A year of 0 comes first; within a year the table's order.
        const auto byYear = listedPositions(t, StockListOrder::ByBirthYear, StockListLayout::OneLine, std::nullopt);
        QCOMPARE(ringsOf(t, byYear), (QStringList {"C-3", "A-1", "a-0", "b-2"}));
        const auto lizards
            = listedPositions(t, StockListOrder::ByRing, StockListLayout::OneLine, QStringLiteral("Lizard"));
        QCOMPARE(ringsOf(t, lizards), QStringList {"C-3"});
        QCOMPARE(stockListTitle(QStringLiteral("Lizard")), QStringLiteral("Lizard-Liste"));
        QCOMPARE(stockListTitle(std::nullopt), QStringLiteral("Kanarienvögelbestandsliste"));
    }

    // A year far beyond any stock must not make the year order walk billions of years.
    void oddYearsKeepTheYearOrderQuick()
    {
        AnimalTable t = {listed("MAX", 2147483647), listed("MIN", -2147483647 - 1), listed("NOW", 2024)};
        const auto order = listedPositions(t, StockListOrder::ByBirthYear, StockListLayout::OneLine, std::nullopt);
        QCOMPARE(ringsOf(t, order), (QStringList {"MIN", "NOW", "MAX"}));
    }

    void theHtmlPageIsEscapedAndListsEveryBreed()
    {
        AnimalTable t = {listed("B-2", 2013), testAnimal("a-1", Sex::Male, 2012, "Timbrado"), listed("SOLD", 2012),
                         listed("GONE", 2012)};
        t[0].colour = QStringLiteral("grün");
        t[0].markings.clear();
        t[0].listRemarks = QStringLiteral("Preis <50 €");
        t[1].colour = QStringLiteral("rot & gelb");
        t[1].listRemarks = QStringLiteral("Zucht\"hahn\" ✓");
        t[2].sold = 1;
        t[3].active = 0;
        QCOMPARE(html(t, StockListOrder::ByRing), contents(AVELOR_TEST_DATA "/Bestandsliste.html"));
        QVERIFY(html(t, StockListOrder::ByBirthYear).contains("sortiert nach Geburtsdatum"));
    }

    // Each of the two entries of a shared ring lists both animals under its number.
    void aSharedRingIsListedTwiceWithTheSameNumber()
    {
        AnimalTable t = {listed("R-1", 2012), listed("R-1", 2013)};
        const QByteArray page = html(t, StockListOrder::ByRing);
        QCOMPARE(page.count(">0001<"), 2);
        QCOMPARE(page.count(">0002<"), 2);
        QCOMPARE(page.count(">2012<"), 2);
    }

    // The year order leaves the listed marks of the active animals at 0, as the saved file keeps them.
    void theYearOrderClearsTheListedMarks()
    {
        StockData db;
        db.animals = {listed("A", 2012), listed("B", 2012, "Lizard"), listed("GONE", 2012)};
        for (Animal& a : db.animals)
            a.listedMark = 1;
        db.animals[2].active = 0;
        StockDocument stock(db, DataFiles(QString()));
        markListed(stock, {StockListOrder::ByBirthYear, StockListLayout::OneLine, QStringLiteral("Gloster")});
        QCOMPARE(stock.animals()[0].listedMark, quint8(0));
        QCOMPARE(stock.animals()[1].listedMark, quint8(1)); // another breed
        QCOMPARE(stock.animals()[2].listedMark, quint8(1)); // deleted
    }
};

QTEST_GUILESS_MAIN(TestStockList)
#include "TestStockList.moc"
