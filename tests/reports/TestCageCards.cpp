// Cage cards: the days each card shows, the cards kept inside their cells on
// the sheet, and a QR code that a scanner reads back as the ring numbers.
#include "core/breeding/CageCard.h"
#include "core/files/DataFiles.h"
#include "core/model/Dates.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportOutput.h"
#include "reports/layouts/CageCardReport.h"
#include "support/SampleAnimals.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kCock = QStringLiteral("DE-AZ-1234-2025-0815");
const QString kHen = QStringLiteral("DE-AZ-1234-2025-0816");

double day(int year, int month, int dayOfMonth)
{
    return Dates::fromDate(QDate(year, month, dayOfMonth));
}

// A pair with a clutch still in the nest and one whose young hatched and were ringed.
StockData pairStock()
{
    StockData db;
    Animal cock = testAnimal(kCock, Sex::Male, 2025, QStringLiteral("Farbkanarien"));
    cock.colour = QStringLiteral("rot intensiv");
    db.animals.push_back(cock);
    db.animals.push_back(testAnimal(kHen, Sex::Female, 2025, QStringLiteral("Farbkanarien")));
    BreedingPair pair;
    pair.cockRing = kCock;
    pair.henRing = kHen;
    pair.cageNumber = 12;
    pair.breedingStart = day(2026, 3, 1);
    Clutch hatched;
    hatched.firstEgg = day(2026, 3, 10);
    hatched.lastEgg = day(2026, 3, 13);
    hatched.incubationStart = day(2026, 3, 12);
    hatched.eggCount = 2;
    hatched.young = {{QStringLiteral("DE-AZ-1234-2026-0001"), 0, day(2026, 3, 26)}, {QString(), 0, day(2026, 3, 25)}};
    Clutch laid;
    laid.firstEgg = day(2026, 4, 20);
    laid.lastEgg = day(2026, 4, 23);
    laid.eggCount = 4;
    laid.young.resize(4);
    pair.clutches = {hatched, laid};
    db.pairs.push_back(pair);
    return db;
}

template<typename Element> std::vector<QRectF> rectsOf(const ReportPage& page)
{
    std::vector<QRectF> rects;
    for (const ReportElement& element : page.elements) {
        if (const auto* e = std::get_if<Element>(&element))
            rects.push_back(e->rect);
    }
    return rects;
}

} // namespace

class TestCageCards : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_stock = std::make_unique<StockDocument>(pairStock(), DataFiles(m_dir.path() + QStringLiteral("/")));
    }

    void aPairCardShowsTheDaysOfEachClutch()
    {
        const CalendarDays days; // candling 6, hatching 13, ringing 6 days
        const CageCard card = pairCageCard(*m_stock, m_stock->pairs().front(), days);
        QCOMPARE(card.cage, 12);
        QCOMPARE(card.paired, QDate(2026, 3, 1));
        QCOMPARE(card.cock.colour, QStringLiteral("rot intensiv"));
        QCOMPARE(card.codeText(), kCock + QLatin1Char('\n') + kHen);
        QCOMPARE(card.clutches.size(), size_t(2));

        // Hatched: the first young's day counts, not the day it was due.
        const CageCardClutch& first = card.clutches[0];
        QCOMPARE(first.candling, QDate(2026, 3, 18));
        QVERIFY(first.hatched);
        QCOMPARE(first.hatching, QDate(2026, 3, 25));
        QCOMPARE(first.ringing, QDate(2026, 3, 31));
        QCOMPARE(first.youngRings, QStringList {QStringLiteral("DE-AZ-1234-2026-0001")});

        // Not set: incubation counts from the last egg, and the days are the ones due.
        const CageCardClutch& second = card.clutches[1];
        QCOMPARE(second.firstEgg, QDate(2026, 4, 20));
        QCOMPARE(second.candling, QDate(2026, 4, 29));
        QVERIFY(!second.hatched);
        QCOMPARE(second.hatching, QDate(2026, 5, 6));
        QCOMPARE(second.ringing, QDate(2026, 5, 12));
    }

    void aBirdCardNeedsABirdInStock()
    {
        const std::optional<CageCard> card = birdCageCard(*m_stock, kHen);
        QVERIFY(card);
        QCOMPARE(card->codeText(), kHen);
        QCOMPARE(card->cock.sex, Sex::Female);
        QVERIFY(!birdCageCard(*m_stock, QStringLiteral("NICHT-DA")));
    }

    // Every size: the sheet holds its number of cards, and nothing of a card
    // reaches over its cutting lines into the next one.
    void cardsStayInsideTheirCells_data()
    {
        QTest::addColumn<int>("size");
        for (const CageCardFormat& format : cageCardFormats())
            QTest::newRow(format.key) << int(format.size);
    }

    void cardsStayInsideTheirCells()
    {
        QFETCH(int, size);
        const CageCardFormat& format = cageCardFormat(CageCardSize(size));
        std::vector<CageCard> cards(size_t(format.perSheet() + 1),
                                    pairCageCard(*m_stock, m_stock->pairs().front(), CalendarDays()));
        cards.back() = *birdCageCard(*m_stock, kCock);
        const std::vector<ReportPage> pages = cageCardPages(cards, format.size);
        QCOMPARE(pages.size(), size_t(2));
        QCOMPARE(pages[1].count, 2);
        QCOMPARE(rectsOf<CodeElement>(pages[0]).size(), size_t(format.perSheet()));

        const QSizeF grid(format.card.width() * format.columns, format.card.height() * format.rows);
        const QPointF origin((210.0 - grid.width()) / 2, (297.0 - grid.height()) / 2);
        QVERIFY(origin.x() >= 0 && origin.y() >= 0);
        std::vector<QRectF> inside = rectsOf<TextElement>(pages[0]);
        const std::vector<QRectF> codes = rectsOf<CodeElement>(pages[0]);
        inside.insert(inside.end(), codes.begin(), codes.end());
        for (const QRectF& rect : inside) {
            const int column = int((rect.center().x() - origin.x()) / format.card.width());
            const int row = int((rect.center().y() - origin.y()) / format.card.height());
            const QRectF cell(origin.x() + column * format.card.width(), origin.y() + row * format.card.height(),
                              format.card.width(), format.card.height());
            QVERIFY2(
                cell.adjusted(2, 2, -2, -2).contains(rect),
                qPrintable(
                    QStringLiteral("%1,%2 %3×%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height())));
        }
        // A module of at least 0.4 mm: five dots or more at 300 dpi.
        for (const ReportElement& element : pages[0].elements) {
            if (const auto* code = std::get_if<CodeElement>(&element))
                QVERIFY(code->rect.width() / code->modules >= 0.4);
        }
    }

    // Printed at 300 dpi, the code of each size reads back as the rings.
    void theCodeScansAsTheRings_data() { cardsStayInsideTheirCells_data(); }

    void theCodeScansAsTheRings()
    {
        const QString scanner = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (scanner.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        QFETCH(int, size);
        const CageCardFormat& format = cageCardFormat(CageCardSize(size));
        const std::vector<CageCard> cards {pairCageCard(*m_stock, m_stock->pairs().front(), CalendarDays()),
                                           *birdCageCard(*m_stock, kCock)};
        const std::vector<ReportPage> pages = cageCardPages(cards, format.size);
        const QImage sheet = ReportOutput::toImage(pages.front(), 300, QStringLiteral("08.12.2026"));
        const double dots = 300 / 25.4;
        const QPointF origin((210.0 - format.card.width() * format.columns) / 2,
                             (297.0 - format.card.height() * format.rows) / 2);
        for (int i = 0; i < 2; ++i) {
            const QRectF cell(origin.x() + (i % format.columns) * format.card.width(),
                              origin.y() + (i / format.columns) * format.card.height(), format.card.width(),
                              format.card.height());
            const QString path = m_dir.filePath(QStringLiteral("card-%1.png").arg(i));
            QVERIFY(sheet
                        .copy(QRect(int(cell.x() * dots), int(cell.y() * dots), int(cell.width() * dots),
                                    int(cell.height() * dots)))
                        .save(path));
            QProcess zbar;
            zbar.start(scanner, {QStringLiteral("--quiet"), QStringLiteral("--raw"), path});
            QVERIFY(zbar.waitForFinished(30000));
            QCOMPARE(zbar.exitCode(), 0);
            QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), cards[size_t(i)].codeText());
        }
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<StockDocument> m_stock;
};

QTEST_MAIN(TestCageCards)
#include "TestCageCards.moc"
