// The stock document: the one place that changes the data, its signals and
// the indexes it drops on every change.
#include "core/pedigree/PedigreeSlots.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/RingIndex.h"
#include "core/stock/StockDocument.h"
#include "support/SampleAnimals.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

Animal child(const QString& ring, const QString& father)
{
    Animal a = testAnimal(ring);
    a.fatherRing = father;
    return a;
}

} // namespace

class TestStockDocument : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Database db;
        db.animals = {testAnimal("DAD", Sex::Male, 2010), child("KID", "DAD")};
        m_stock = std::make_unique<StockDocument>(db, DataFiles(m_dir.path() + QLatin1Char('/')));
    }

    void everyChangeIsSignalledWithWhatChanged()
    {
        QSignalSpy spy(m_stock.get(), &StockDocument::changed);
        auto last = [&spy] {
            return spy.takeLast().at(0).value<StockDocument::Changes>();
        };
        m_stock->appendAnimals({testAnimal("NEW")});
        QCOMPARE(last(), StockDocument::Changes(StockDocument::Animals));
        m_stock->setParents(QStringLiteral("NEW"), QString(), QStringLiteral("DAD"));
        QCOMPARE(last(), StockDocument::Changes(StockDocument::ParentLinks));
        m_stock->sortStock();
        QCOMPARE(last(), StockDocument::Changes(StockDocument::AnimalOrder));
        PrintSettings print = m_stock->printSettings();
        m_stock->setPrintSettings(print);
        QCOMPARE(spy.size(), 0); // the same settings change nothing
        print.showBreeding = 1;
        m_stock->setPrintSettings(print);
        QCOMPARE(last(), StockDocument::Changes(StockDocument::Print));
        m_stock->replaceAll({});
        QCOMPARE(last(), StockDocument::Changes(StockDocument::Everything));
        QVERIFY(m_stock->animals().empty());
    }

    // An index that outlived a change would find the wrong animal or none.
    void indexesFollowEveryChange()
    {
        QCOMPARE(m_stock->descendants().find(QStringLiteral("DAD")).generations[0], QStringList {"KID"});
        QCOMPARE(m_stock->lastActive(QStringLiteral("KID"))->fatherRing, QStringLiteral("DAD"));

        m_stock->appendAnimals({child("KID2", "DAD")});
        QCOMPARE(m_stock->descendants().find(QStringLiteral("DAD")).generations[0], (QStringList {"KID", "KID2"}));
        m_stock->setParents(QStringLiteral("KID"), QString(), QString());
        QCOMPARE(m_stock->descendants().find(QStringLiteral("DAD")).generations[0], QStringList {"KID2"});

        m_stock->deleteAnimal(QStringLiteral("DAD"));
        QVERIFY(!m_stock->lastActive(QStringLiteral("DAD")));
        QCOMPARE(m_stock->ringIndex().lastWith(QStringLiteral("DAD")), 0); // still an ancestor until sorted
        m_stock->sortStock();
        QCOMPARE(m_stock->ringIndex().lastWith(QStringLiteral("DAD")), -1);
        QCOMPARE(m_stock->alphabeticalRingOrder().size(), size_t(2));

        AnimalEdit edit;
        edit.fields.ring = QStringLiteral("KID-NEU");
        edit.fields.year = QStringLiteral("2012");
        QVERIFY(m_stock->changeAnimal(QStringLiteral("KID"), edit).stored());
        QVERIFY(m_stock->lastActive(QStringLiteral("KID-NEU")));
        QVERIFY(!m_stock->lastActive(QStringLiteral("KID")));
    }

    void theRingIndexFindsTheLastRecordAsTheScanDoes()
    {
        AnimalTable t = {testAnimal("R"), testAnimal("R"), testAnimal("R")};
        t[2].active = 0;
        const RingIndex index(t);
        QCOMPARE(index.lastWith(QStringLiteral("R")), 2);
        QCOMPARE(index.lastActiveWith(QStringLiteral("R")), 1);
        QCOMPARE(index.lastWith(QStringLiteral("r")), -1);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<StockDocument> m_stock;
};

QTEST_GUILESS_MAIN(TestStockDocument)
#include "TestStockDocument.moc"
