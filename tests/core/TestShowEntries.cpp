// Shows entered for: the shows, single entries and collections, what is pointed
// out before printing, and the judged entries made show results.
#include "core/records/RecordsDatabase.h"
#include "core/stock/AnimalChange.h"
#include "core/stock/ShowEntries.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestShowEntries : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QLatin1Char('/');
    }

    // A file written by version three (places and rings, no shows) gains the shows and keeps the rest.
    void aFileOfVersionThreeGainsShows()
    {
        const QString path = m_folder + QStringLiteral("zusatzdaten.db");
        QVERIFY(QFile::copy(AVELOR_TEST_DATA "/zusatzdaten-v3.db", path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString ring = QStringLiteral("DE-06165-2024-0007");
        {
            RecordsDatabase db;
            const auto opened = db.open(path, RecordsDatabase::Access::Owner);
            QVERIFY2(opened.available && opened.message.isEmpty(), qPrintable(opened.message));
            QCOMPARE(db.rings().size(), 3);
            QCOMPARE(db.showResults(ring).at(0).halfPoints, 182);
            QCOMPARE(db.currentLocation(QStringLiteral("DE-06165-2025-0031"))->location, QStringLiteral("Hecke 4"));
            QCOMPARE(db.ringDeliveries().at(0).ring(50), QStringLiteral("DE-06165-26-050"));
            QVERIFY(db.showEvents().empty());
            ShowEvent show {0, QStringLiteral("Landesschau"), {}, QDate(2026, 11, 20), {}, {}, CollectionRule::AnySex};
            QCOMPARE(db.addShowEvent(show), QString());
            std::vector<ShowEntry> entry {{0, show.id, ring, QStringLiteral("Gloster Corona"), {}, {}, {}, {}, false}};
            QCOMPARE(db.addEntries(entry), QString());
        }
        RecordsDatabase again;
        QVERIFY(again.open(path, RecordsDatabase::Access::Owner).message.isEmpty());
        QCOMPARE(again.showEvents().size(), size_t(1));
        QCOMPARE(again.entriesOf(ring).at(0).showClass, QStringLiteral("Gloster Corona"));
        QCOMPARE(again.allColourFactors().size(), 1);

        // A backup made by version three comes back whole and ready for shows.
        QCOMPARE(again.replaceFrom(QStringLiteral(AVELOR_TEST_DATA "/zusatzdaten-v3.db")), QString());
        QVERIFY(again.showEvents().empty());
        QCOMPARE(again.ringDeliveries().size(), size_t(1));
        ShowEvent show {0, QStringLiteral("Kreisschau"), {}, {}, {}, {}, CollectionRule::AnySex};
        QCOMPARE(again.addShowEvent(show), QString());
    }

    // Four birds entered as a collection, one alone; the form's warnings; the points
    // filled in become show results in one step, once, and undo takes them back whole.
    void entriesBecomeShowResults()
    {
        StockDocument stock(stockOfSix(), DataFiles(m_folder));
        ShowEvent show {0,
                        QStringLiteral("Bundesschau"),
                        QStringLiteral("Leipzig"),
                        QDate(2026, 12, 12),
                        QDate(2026, 11, 20),
                        QStringLiteral("DKB"),
                        CollectionRule::OneSex};
        QCOMPARE(stock.addShowEvent(show), QString());
        QCOMPARE(stock.enterForShow(show.id, {"H-1", "H-2", "H-3", "W-1"}, QStringLiteral("Gloster Corona"), true),
                 QString());
        QCOMPARE(stock.history().undoText(),
                 QStringLiteral("Kollektion von 4 Kanarienvögeln für Bundesschau gemeldet"));
        QCOMPARE(stock.enterForShow(show.id, {"H-1"}, QStringLiteral("Gloster Consort"), false), QString());
        QCOMPARE(stock.enterForShow(show.id, {"NIEMAND"}, {}, false),
                 QStringLiteral("Den Kanarienvogel NIEMAND gibt es nicht im Bestand."));
        std::vector<ShowEntry> entries = stock.records().entries(show.id);
        QCOMPARE(entries.size(), size_t(5));
        QCOMPARE(entries[0].collection, std::optional<int>(1));
        QCOMPARE(entries[4].collection, std::nullopt);
        QCOMPARE(entryWarnings(stock, show, entries),
                 (QStringList {"Der Vogel H-1 ist 2-mal gemeldet.", "Die Kollektion 1 mischt Hähne und Hennen."}));
        show.collectionRule = CollectionRule::AnySex;
        QCOMPARE(entryWarnings(stock, show, entries), QStringList {"Der Vogel H-1 ist 2-mal gemeldet."});
        QCOMPARE(stock.removeEntry(show.id, entries[4].id), QString());
        QCOMPARE(stock.removeEntry(show.id, entries[3].id), QString());
        entries = stock.records().entries(show.id);
        show.collectionRule = CollectionRule::CocksOnly;
        QCOMPARE(entryWarnings(stock, show, entries), QStringList {"Die Kollektion 1 hat 3 statt 4 Vögel."});
        QCOMPARE(stock.undo(), QString());
        entries = stock.records().entries(show.id);
        QCOMPARE(entries.size(), size_t(4)); // the hen is back, with her id
        QCOMPARE(entries[3].ring, QStringLiteral("W-1"));

        // Judged: three of the four get points; the fourth stays an entry.
        for (int i = 0; i < 3; ++i) {
            entries[size_t(i)].halfPoints = 180 + i;
            entries[size_t(i)].cageNumber = 101 + i;
            QCOMPARE(stock.changeEntry(entries[size_t(i)]), QString());
        }
        entries[0].award = QStringLiteral("Gold");
        QCOMPARE(stock.changeEntry(entries[0]), QString());
        ShowEntry tooMany = entries[1];
        tooMany.halfPoints = 201;
        QVERIFY(!stock.changeEntry(tooMany).isEmpty());
        int transferred = 0;
        QCOMPARE(stock.transferShowResults(show.id, &transferred), QString());
        QCOMPARE(transferred, 3);
        const std::vector<ShowResult> results = stock.records().showResults(QStringLiteral("H-1"));
        QCOMPARE(results.size(), size_t(1));
        QCOMPARE(results[0],
                 (ShowResult {results[0].id, QStringLiteral("H-1"), QDate(2026, 12, 12), QStringLiteral("Bundesschau"),
                              QStringLiteral("Gloster Corona"), 180, QStringLiteral("Gold"), 1}));
        QCOMPARE(stock.transferShowResults(show.id, &transferred), QString()); // a second time: nothing twice
        QCOMPARE(transferred, 0);
        QCOMPARE(stock.records().resultsOfShow(QStringLiteral("Bundesschau")).size(), size_t(3));
        QCOMPARE(stock.undo(), QString()); // the empty second transfer was no step
        QVERIFY(stock.records().showResults(QStringLiteral("H-1")).empty());
        QVERIFY(!stock.records().entries(show.id)[0].transferred);
        QCOMPARE(stock.redo(), QString());
        QCOMPARE(stock.records().resultsOfShow(QStringLiteral("Bundesschau")).size(), size_t(3));
    }

    // A renamed bird keeps its entries; a deleted one takes them along and brings them back with undo;
    // a deleted show takes its entries and undo restores both; a wipe empties everything.
    void entriesFollowTheirBirdAndTheirShow()
    {
        StockDocument stock(stockOfSix(), DataFiles(m_folder));
        ShowEvent show {0, QStringLiteral("Kreisschau"), {}, QDate(2026, 10, 4), {}, {}, CollectionRule::AnySex};
        QCOMPARE(stock.addShowEvent(show), QString());
        QCOMPARE(stock.enterForShow(show.id, {"H-1", "W-1"}, QStringLiteral("Gloster"), false), QString());
        AnimalEdit edit = editOf(*stock.lastActive(QStringLiteral("H-1")));
        edit.fields.ring = QStringLiteral("H-1-NEU");
        QVERIFY(stock.changeAnimal(QStringLiteral("H-1"), edit).stored());
        QCOMPARE(stock.records().entries(show.id)[0].ring, QStringLiteral("H-1-NEU"));
        QCOMPARE(stock.deleteAnimal(QStringLiteral("W-1")), QString());
        QCOMPARE(stock.records().entries(show.id).size(), size_t(1));
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.records().entries(show.id).size(), size_t(2));

        const std::vector<ShowEntry> before = stock.records().allEntries();
        QCOMPARE(stock.removeShowEvent(show.id), QString());
        QVERIFY(stock.records().showEvents().empty());
        QVERIFY(stock.records().allEntries().empty());
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.records().showEvents().at(0), show);
        QCOMPARE(stock.records().allEntries(), before);
        QCOMPARE(stock.addShowEvent(show), QString()); // a second with the same name is another show
        ShowEvent nameless;
        QCOMPARE(stock.addShowEvent(nameless), QStringLiteral("Bitte den Namen der Ausstellung eingeben."));
        QCOMPARE(stock.wipe(), QString());
        QVERIFY(stock.records().showEvents().empty());
    }

    // The classes offered for a bird: those of its breed and colour first, then its breed, then the rest.
    void classesUsedBeforeAreOfferedByBreedAndColour()
    {
        StockDocument stock(stockOfSix(), DataFiles(m_folder));
        ShowEvent show {0, QStringLiteral("Kreisschau"), {}, QDate(2026, 10, 4), {}, {}, CollectionRule::AnySex};
        QCOMPARE(stock.addShowEvent(show), QString());
        QCOMPARE(stock.enterForShow(show.id, {"Y-1"}, QStringLiteral("Yorkshire"), false), QString());
        QCOMPARE(stock.enterForShow(show.id, {"H-2"}, QStringLiteral("Gloster Consort gelb"), false), QString());
        QCOMPARE(stock.enterForShow(show.id, {"H-3"}, QStringLiteral("Gloster Corona"), false), QString());
        QCOMPARE(classesOffered(stock, QStringLiteral("H-1")),
                 (QStringList {"Gloster Consort gelb", "Gloster Corona", "Yorkshire"}));
        QCOMPARE(classesOffered(stock, QStringLiteral("Y-1")).front(), QStringLiteral("Yorkshire"));
    }

private:
    static StockData stockOfSix()
    {
        StockData data;
        data.animals
            = {testAnimal("H-1", Sex::Male, 2025, "Gloster"),   testAnimal("H-2", Sex::Male, 2025, "Gloster"),
               testAnimal("H-3", Sex::Male, 2025, "Gloster"),   testAnimal("W-1", Sex::Female, 2025, "Gloster"),
               testAnimal("Y-1", Sex::Male, 2025, "Yorkshire"), testAnimal("W-2", Sex::Female, 2025, "Gloster")};
        data.animals[2].colour = QStringLiteral("grün"); // the others yellow
        return data;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_MAIN(TestShowEntries)
#include "TestShowEntries.moc"
