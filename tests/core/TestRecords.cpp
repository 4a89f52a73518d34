// The records beyond the stock file: their database, its versions and what
// the stock document does with them.
#include "core/backup/Backup.h"
#include "core/breeding/RingStock.h"
#include "core/model/Dates.h"
#include "core/records/RecordsDatabase.h"
#include "core/records/ShowFigures.h"
#include "core/stock/Locations.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

ShowResult result(const char* ring, int halfPoints, std::optional<int> collection = {},
                  const QDate& date = QDate(2026, 11, 14))
{
    return {0,
            QString::fromLatin1(ring),
            date,
            QStringLiteral("Bundesschau"),
            QStringLiteral("Gloster"),
            halfPoints,
            {},
            collection};
}

Whereabouts sold(const char* ring)
{
    Whereabouts w;
    w.ring = QString::fromLatin1(ring);
    w.status = WhereaboutsStatus::Sold;
    w.date = QDate(2026, 12, 1);
    w.buyerName = QStringLiteral("Hans Käufer");
    w.buyerAddress = QStringLiteral("Am Markt 1\n12345 Musterstadt");
    w.priceCents = 4550;
    return w;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QLatin1Char('/');
    }

    // A file written by the first version opens with everything it held.
    void aFileOfVersionOneIsBroughtUpToDate()
    {
        const QString path = m_folder + QStringLiteral("zusatzdaten.db");
        QVERIFY(QFile::copy(AVELOR_TEST_DATA "/zusatzdaten-v1.db", path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        RecordsDatabase db;
        const auto opened = db.open(path, RecordsDatabase::Access::Owner);
        QVERIFY2(opened.available && opened.message.isEmpty(), qPrintable(opened.message));
        const std::optional<Whereabouts> w = db.whereabouts(QStringLiteral("DE-06165-2020-0001"));
        QVERIFY(w);
        QCOMPARE(w->buyerName, QStringLiteral("Jörg Käufer"));
        QCOMPARE(w->priceCents, std::optional<qint64>(4550));
        QCOMPARE(w->date, QDate(2024, 3, 5));
        const std::vector<ShowResult> all = db.allShowResults();
        QCOMPARE(all.size(), size_t(3));
        QCOMPARE(all[0].points(), 92.5);
        const auto totals = collectionTotals(all);
        QCOMPARE(totals.size(), size_t(1));
        QCOMPARE(totals[0].entries, 2);
        QCOMPARE(totals[0].halfPoints, 185 + 181);
        QCOMPARE(AnimalRecordWords::points(totals[0].halfPoints), QStringLiteral("183"));

        // Colour factors, new in version two, can be stored at once.
        QVERIFY(
            db.changeRecordsOf(w->ring, w->ring, {.factors = FactorStates {{"opal", FactorState::Carrier}}}).isEmpty());

        // What version one read, this one reads after the update, and it stays updated.
        RecordsDatabase again;
        QVERIFY(again.open(path, RecordsDatabase::Access::Owner).message.isEmpty());
        QCOMPARE(again.allShowResults(), all);
        QCOMPARE(again.colourFactors(w->ring), (FactorStates {{"opal", FactorState::Carrier}}));
    }

    // A file written by version two (the last before places were kept) gains the moves and keeps the rest.
    void aFileOfVersionTwoGainsPlaces()
    {
        const QString path = m_folder + QStringLiteral("zusatzdaten.db");
        QVERIFY(QFile::copy(AVELOR_TEST_DATA "/zusatzdaten-v2.db", path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString ring = QStringLiteral("DE-06165-2024-0007");
        {
            RecordsDatabase db;
            const auto opened = db.open(path, RecordsDatabase::Access::Owner);
            QVERIFY2(opened.available && opened.message.isEmpty(), qPrintable(opened.message));
            QCOMPARE(db.rings().size(), 3);
            QCOMPARE(db.whereabouts(QStringLiteral("DE-06165-2024-0008"))->status, WhereaboutsStatus::GivenAway);
            QCOMPARE(db.showResults(ring).at(0).award, QStringLiteral("2. Platz"));
            QCOMPARE(db.colourFactors(QStringLiteral("DE-06165-2025-0031")).size(), size_t(2));
            QVERIFY(db.moves(ring).empty());
            const LocationMove move {0, ring, QDate(2026, 3, 1), QStringLiteral("Hecke 4")};
            QCOMPARE(db.changeRecordsOf(ring, ring, {.move = move}), QString());
        }
        RecordsDatabase again;
        QVERIFY(again.open(path, RecordsDatabase::Access::Owner).message.isEmpty());
        QCOMPARE(again.currentLocation(ring)->location, QStringLiteral("Hecke 4"));
        QVERIFY(again.ringDeliveries().empty());
        QCOMPARE(again.showResults(ring).size(), size_t(1));
    }

    // Many birds moved at once are one step; the history of each stays, and undo takes a move back whole.
    void movesOfManyBirdsAndTheirHistory()
    {
        StockData data;
        data.animals
            = {testAnimal("A-1", Sex::Male), testAnimal("B-2", Sex::Female), testAnimal("C-3"), testAnimal("D-4")};
        data.animals[3].sold = 1;
        BreedingPair pair;
        pair.cockRing = QStringLiteral("A-1");
        pair.henRing = QStringLiteral("B-2");
        pair.cageNumber = 12;
        data.pairs = {pair};
        StockDocument stock(data, DataFiles(m_folder));
        const QStringList chosen {QStringLiteral("A-1"), QStringLiteral("B-2"), QStringLiteral("A-1"),
                                  QStringLiteral("UNBEKANNT")};
        QCOMPARE(stock.moveAnimals(chosen, QStringLiteral(" Voliere 1 "), QDate(2026, 1, 10)), QString());
        QCOMPARE(stock.history().steps(), size_t(1));
        QCOMPARE(stock.records().moves(QStringLiteral("A-1")).size(), size_t(1)); // chosen twice, moved once
        QVERIFY(!stock.records().hasRecords(QStringLiteral("UNBEKANNT")));
        // Already there: no step, no second line in the history.
        QCOMPARE(stock.moveAnimals({QStringLiteral("B-2")}, QStringLiteral("Voliere 1"), QDate(2026, 1, 11)),
                 QString());
        QCOMPARE(stock.history().steps(), size_t(1));

        const QStringList offered = offeredLocations(stock, QStringLiteral("A-1"));
        QCOMPARE(offered.value(0), cageLocation(12)); // the pair's cage first
        QVERIFY(offered.contains(QStringLiteral("Voliere 1")));
        QCOMPARE(stock.moveAnimals({QStringLiteral("A-1"), QStringLiteral("B-2")}, offered[0], QDate(2026, 3, 1)),
                 QString());
        QCOMPARE(stock.moveAnimals({QStringLiteral("C-3")}, QStringLiteral("Hecke 3"), QDate(2026, 3, 1)), QString());
        const std::vector<LocationMove> history = stock.records().moves(QStringLiteral("A-1"));
        QCOMPARE(history.size(), size_t(2));
        QCOMPARE(history[0].location, QStringLiteral("Voliere 1"));
        QCOMPARE(history[1].date, QDate(2026, 3, 1));

        // By place, numbers in their order ("Hecke 3" before "Hecke 12"); the sold bird is not listed.
        auto rings = [&](const std::vector<LocatedBird>& birds) {
            QStringList found;
            for (const LocatedBird& bird : birds)
                found << stock.animals()[size_t(bird.animal)].ringNumber + QLatin1Char('@') + bird.location;
            return found;
        };
        QCOMPARE(rings(locatedBirds(stock)), QStringList({"C-3@Hecke 3", "A-1@Hecke 12", "B-2@Hecke 12"}));
        QCOMPARE(rings(locatedBirds(stock, QStringLiteral("Hecke 3"))), QStringList({"C-3@Hecke 3"}));
        const std::vector<QStringList> rows = locationListRows(stock, locatedBirds(stock, cageLocation(12)));
        QCOMPARE(rows.at(0), QStringList({"Hecke 12", "01.03.2026", "A-1", "Hahn", "2012", "gelb", ""}));

        // Taken back, both birds sit in the flight again; made again, in the cage.
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.records().currentLocation(QStringLiteral("B-2"))->location, QStringLiteral("Voliere 1"));
        QCOMPARE(stock.records().moves(QStringLiteral("A-1")).size(), size_t(1));
        QCOMPARE(stock.redo(), QString());
        QCOMPARE(stock.records().currentLocation(QStringLiteral("B-2"))->location, cageLocation(12));

        // Out of every place: an empty place, and the bird is listed without one.
        QCOMPARE(stock.moveAnimals({QStringLiteral("B-2")}, QString(), QDate(2026, 5, 1)), QString());
        QCOMPARE(rings(locatedBirds(stock, QString())),
                 QStringList({"B-2@", "C-3@"})); // C-3 moved in the step taken back

        // The change dialog's move, a rename that carries the history, a deletion that ends it.
        AnimalEdit edit = editOf(*stock.lastActive(QStringLiteral("A-1")));
        edit.fields.ring = QStringLiteral("A-1-NEU");
        edit.move = LocationMove {0, {}, QDate(2026, 6, 1), QStringLiteral("Flugraum")};
        QVERIFY(stock.changeAnimal(QStringLiteral("A-1"), edit).stored());
        QVERIFY(stock.records().moves(QStringLiteral("A-1")).empty());
        QCOMPARE(stock.records().moves(QStringLiteral("A-1-NEU")).size(), size_t(3));
        QCOMPARE(stock.records().currentLocation(QStringLiteral("A-1-NEU"))->location, QStringLiteral("Flugraum"));
        QVERIFY(stock.deleteAnimal(QStringLiteral("A-1-NEU")).isEmpty());
        QVERIFY(stock.records().moves(QStringLiteral("A-1-NEU")).empty());
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.records().moves(QStringLiteral("A-1-NEU")).size(), size_t(3));
    }

    // The rings on hand: a range with a gap offers the gap first, a ring on two birds is pointed out,
    // a delivery entered is a step like any other.
    void ringsOnHand()
    {
        StockData data;
        data.animals = {testAnimal("DE-26-001"), testAnimal("DE-26-003"),  testAnimal("DE-26-005"),
                        testAnimal("DE-26-005"), testAnimal("DE-26-0002"), testAnimal("DE-26-011")};
        data.animals[5].active = 0; // deleted: its ring is free again
        BreedingPair pair;
        pair.breedingStart = Dates::fromDate(QDate(2026, 3, 1));
        pair.clutches = {Clutch {}, Clutch {}};
        pair.clutches[0].young = {Youngster {QStringLiteral("DE-26-001")}, Youngster {QStringLiteral("DE-26-003")}};
        pair.clutches[1].young = {Youngster {QStringLiteral("DE-26-005")}, Youngster {}};
        data.pairs = {pair};
        StockDocument stock(data, DataFiles(m_folder));
        const RingDelivery first {
            0,  2026, QStringLiteral("DKB"), QStringLiteral("2,9"), QStringLiteral("gelb"), QStringLiteral("DE-26-"), 1,
            10, 3};
        RingDelivery second = first;
        second.first = 11;
        second.last = 12;
        QCOMPARE(stock.addRingDelivery(first), QString());
        QCOMPARE(stock.addRingDelivery(second), QString());

        const RingStock rings = ringStock(stock, 2026);
        QCOMPARE(rings.ranges.size(), size_t(2));
        QCOMPARE(rings.ranges[0].used, 3); // 001, 003, 005; DE-26-0002 has one digit too many
        QCOMPARE(rings.ranges[0].free(), 7);
        QCOMPARE(rings.ranges[1].used, 0);
        QCOMPARE(rings.usedTwice, QStringList {"DE-26-005"});
        QCOMPARE(nextFreeRing(stock, 2026), std::optional<QString>("DE-26-002"));
        QCOMPARE(nextFreeRing(stock, 2027), std::nullopt);
        QVERIFY(ringStock(stock, 2025).ranges.empty());
        QCOMPARE(ringsToOrder(stock, 2026), 10); // three young and a tenth more, in whole tens
        QCOMPARE(ringsToOrder(stock, 2025), 0);

        // Taken back, the second delivery is gone; made again, it is there with its id.
        const std::vector<RingDelivery> both = stock.records().ringDeliveries();
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.records().ringDeliveries().size(), size_t(1));
        QCOMPARE(stock.redo(), QString());
        QCOMPARE(stock.records().ringDeliveries(), both);
        QCOMPARE(stock.removeRingDelivery(both[0].id), QString());
        QCOMPARE(nextFreeRing(stock, 2026), std::optional<QString>("DE-26-011"));

        // Refused, and nothing changed: an inverted range, numbers longer than their places, an overlap.
        RingDelivery inverted = first;
        inverted.first = 20;
        RingDelivery tooLong = first;
        tooLong.last = 1000;
        RingDelivery overlapping = first;
        overlapping.first = 12;
        overlapping.last = 30;
        QCOMPARE(stock.addRingDelivery(inverted), QStringLiteral("Der letzte Ring darf nicht vor dem ersten liegen."));
        QCOMPARE(stock.addRingDelivery(tooLong), QStringLiteral("Die Nummer 1000 hat mehr als 3 Stellen."));
        QCOMPARE(stock.addRingDelivery(overlapping),
                 QStringLiteral("Diese Ringe überschneiden sich mit der Lieferung DE-26-011 bis DE-26-012 (2026)."));
        overlapping.prefix = QStringLiteral("DE-27-"); // the same numbers of another prefix are other rings
        QCOMPARE(stock.addRingDelivery(overlapping), QString());
        QCOMPARE(stock.undo(), QString());
        QCOMPARE(stock.records().ringDeliveries().size(), size_t(1));
        QCOMPARE(stock.wipe(), QString());
        QVERIFY(stock.records().ringDeliveries().empty());
    }

    // The calendar's warning: fewer free rings of the year than unringed eggs in incubation or just hatched.
    void aShortageOfRingsIsTold()
    {
        StockData data;
        data.animals = {testAnimal("DE-26-001")};
        BreedingPair pair;
        Clutch clutch;
        clutch.incubationStart = Dates::fromDate(QDate(2026, 3, 1)); // hatch due on the 14th, ringing on the 20th
        clutch.young = {Youngster {}, Youngster {}, Youngster {}, Youngster {QStringLiteral("DE-26-001")}};
        pair.clutches = {clutch};
        data.pairs = {pair};
        StockDocument stock(data, DataFiles(m_folder));
        const CalendarDays days;
        QVERIFY(!ringShortage(stock, days, QDate(2026, 3, 10))); // no rings entered for the year

        const RingDelivery rings {0, 2026, {}, {}, {}, QStringLiteral("DE-26-"), 1, 3, 3};
        QCOMPARE(stock.addRingDelivery(rings), QString());
        const std::optional<RingShortage> shortage = ringShortage(stock, days, QDate(2026, 3, 10));
        QVERIFY(shortage);
        QCOMPARE(shortage->eggs, 3);
        QCOMPARE(shortage->free, 2);
        QVERIFY(ringShortage(stock, days, QDate(2026, 3, 26))); // six days late: still ringed
        QVERIFY(!ringShortage(stock, days, QDate(2026, 3, 27))); // too old for a closed ring
        QVERIFY(!ringShortage(stock, days, QDate(2027, 3, 10))); // next year's rings not entered

        RingDelivery more = rings;
        more.first = 4;
        more.last = 4;
        QCOMPARE(stock.addRingDelivery(more), QString());
        QVERIFY(!ringShortage(stock, days, QDate(2026, 3, 10))); // three free for three eggs
    }

    // A damaged file is set aside and never overwritten; one of a newer version is refused untouched.
    void damagedAndNewerFilesAreNeverOverwritten()
    {
        const QString path = m_folder + QStringLiteral("zusatzdaten.db");
        put(path, QByteArray("Das ist keine SQLite-Datei, sondern ein beschädigtes Stück Text.").repeated(100));
        const QByteArray damaged = contents(path);
        RecordsDatabase db;
        const auto opened = db.open(path, RecordsDatabase::Access::Owner);
        QVERIFY(opened.available);
        QVERIFY(opened.message.contains(QStringLiteral("beschädigt")));
        const QStringList aside = QDir(m_folder).entryList({QStringLiteral("zusatzdaten.db.beschaedigt-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(contents(m_folder + aside[0]), damaged);
        QVERIFY(db.allShowResults().empty());
        ShowResult r = result("R-1", 180);
        QVERIFY(db.addShowResult(r).isEmpty());

        RecordsDatabase newer;
        QVERIFY(newer.open(path, RecordsDatabase::Access::Owner).available);
        QVERIFY(newer.setWhereabouts(sold("R-1")).isEmpty());
        QVERIFY(QFile::copy(path, m_folder + QStringLiteral("neu.db")));
        {
            RecordsDatabase future;
            future.open(m_folder + QStringLiteral("neu.db"), RecordsDatabase::Access::Owner);
        }
        // Made by a later program: its version is above ours.
        put(m_folder + QStringLiteral("neu.db"), [&] {
            QByteArray bytes = contents(m_folder + QStringLiteral("neu.db"));
            bytes[63] = char(RecordsDatabase::kSchemaVersion + 1); // the header's user version, big-endian
            return bytes;
        }());
        const QByteArray before = contents(m_folder + QStringLiteral("neu.db"));
        RecordsDatabase refused;
        const auto result = refused.open(m_folder + QStringLiteral("neu.db"), RecordsDatabase::Access::Owner);
        QVERIFY(!result.available);
        QVERIFY(result.message.contains(QStringLiteral("neueren Avelor-Version")));
        QVERIFY(!refused.setWhereabouts(sold("R-2")).isEmpty());
        QCOMPARE(contents(m_folder + QStringLiteral("neu.db")), before);
    }

    // The sold mark and the whereabouts stay in step both ways, and a rename or a removal carries the records.
    void theDocumentKeepsRecordsAndStockInStep()
    {
        StockData data;
        data.animals = {testAnimal("A-1", Sex::Male), testAnimal("B-2", Sex::Female)};
        StockDocument stock(data, DataFiles(m_folder));

        AnimalEdit edit = editOf(*stock.lastActive(QStringLiteral("A-1")));
        edit.whereabouts = sold("A-1");
        QVERIFY(stock.changeAnimal(QStringLiteral("A-1"), edit).stored());
        QCOMPARE(stock.lastActive(QStringLiteral("A-1"))->sold, quint8(1)); // sold or gone: the mark is set
        QCOMPARE(stock.records().whereabouts(QStringLiteral("A-1"))->buyerName, QStringLiteral("Hans Käufer"));

        edit.sold = false; // unticked in the change dialog: back in the stock
        QVERIFY(stock.changeAnimal(QStringLiteral("A-1"), edit).stored());
        QCOMPARE(stock.lastActive(QStringLiteral("A-1"))->sold, quint8(0));
        QCOMPARE(stock.records().whereabouts(QStringLiteral("A-1"))->status, WhereaboutsStatus::InStock);

        ShowResult shown = result("A-1", 181, 1);
        QVERIFY(stock.addShowResult(shown).isEmpty());
        // Factors set to "unbekannt" are not stored; the rest go with the rename.
        const FactorStates factors {{"braun", FactorState::Visual}, {"opal", FactorState::Carrier}};
        edit.factors = factors;
        (*edit.factors)["topas"] = FactorState::Unknown;
        edit.fields.ring = QStringLiteral("A-1-NEU");
        edit.whereabouts.reset();
        QSignalSpy changed(&stock, &StockDocument::changed);
        QVERIFY(stock.changeAnimal(QStringLiteral("A-1"), edit).stored());
        QVERIFY(stock.records().showResults(QStringLiteral("A-1")).empty());
        QCOMPARE(stock.records().showResults(QStringLiteral("A-1-NEU")).size(), size_t(1));
        QVERIFY(stock.records().whereabouts(QStringLiteral("A-1-NEU")));
        QCOMPARE(stock.records().colourFactors(QStringLiteral("A-1-NEU")), factors);
        QVERIFY(stock.records().colourFactors(QStringLiteral("A-1")).empty());
        QCOMPARE(changed.size(), 1);
        QVERIFY(stock.changeAnimal(QStringLiteral("A-1-NEU"), edit).stored());
        QCOMPARE(changed.size(), 1); // the same factors again change nothing

        QVERIFY(stock.deleteAnimal(QStringLiteral("A-1-NEU")).isEmpty());
        QVERIFY(stock.records().rings().isEmpty());
    }

    // Backups carry the records, and a restore brings them back with a safety copy of those it replaces.
    void backupsCarryTheRecords()
    {
        useTestHome(m_dir->path());
        StockData data;
        data.animals = {testAnimal("A-1")};
        StockDocument stock(data, DataFiles(m_folder + QStringLiteral("daten/")));
        ShowResult first = result("A-1", 180);
        QVERIFY(stock.addShowResult(first).isEmpty());
        const BackupPlace place = BackupPlace::onDrive(m_folder + QStringLiteral("stick"));
        QVERIFY(writeBackup(stock, place).ok());
        ShowResult later = result("A-1", 190);
        QVERIFY(stock.addShowResult(later).isEmpty());

        const RestoreOutcome outcome = restoreBackup(stock, place);
        QCOMPARE(outcome.result, RestoreOutcome::Result::Restored);
        QCOMPARE(stock.records().showResults(QStringLiteral("A-1")).size(), size_t(1));
        RecordsDatabase kept;
        QVERIFY(kept.open(outcome.keptAs + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::ReadOnly)
                    .message.isEmpty());
        QCOMPARE(kept.showResults(QStringLiteral("A-1")).size(), size_t(2));

        // A copy that cannot be read stops the restore before anything changes.
        put(place.recordsPath(), "kaputt");
        stock.appendAnimals({testAnimal("B-2")});
        QCOMPARE(restoreBackup(stock, place).result, RestoreOutcome::Result::Failed);
        QCOMPARE(stock.animals().size(), size_t(2));
        stock.wipe();
        QVERIFY(stock.records().rings().isEmpty());
    }

    // What undo puts back goes back whole or not at all, and a refusal names SQLite's reason.
    void aRestoreThatCannotBeStoredChangesNothing()
    {
        RecordsDatabase db;
        ShowResult r {0, QStringLiteral("A"), QDate(2025, 1, 4), QStringLiteral("Schau"), {}, 180, {}, {}};
        QCOMPARE(db.addShowResult(r), QString());
        const AnimalRecordSet a = db.recordsOf(QStringLiteral("A"));
        AnimalRecordSet b = a;
        b.ring = QStringLiteral("B");
        b.showResults[0].ring = b.ring; // the same id under two rings: refused
        const QString failure = db.restore({b, db.recordsOf(QStringLiteral("C")), a});
        QVERIFY2(failure.contains(QStringLiteral("UNIQUE")), qPrintable(failure));
        QVERIFY(db.recordsOf(QStringLiteral("A")) == a);
        QVERIFY(!db.hasRecords(QStringLiteral("B")));

        QCOMPARE(db.restore({db.recordsOf(QStringLiteral("C"))}), QString());
        AnimalRecordSet none;
        none.ring = QStringLiteral("A");
        QCOMPARE(db.restore({none}), QString());
        QVERIFY(!db.hasRecords(QStringLiteral("A")));
        QCOMPARE(db.restore({a}), QString());
        QVERIFY(db.recordsOf(QStringLiteral("A")) == a);
    }

    void theBestResultAndHalfPoints()
    {
        const std::vector<ShowResult> results
            = {result("A", 185, {}, QDate(2025, 1, 1)), result("A", 187, {}, QDate(2024, 1, 1)),
               result("A", 187, {}, QDate(2025, 6, 1))};
        QCOMPARE(bestResult(results)->date, QDate(2025, 6, 1));
        QCOMPARE(AnimalRecordWords::points(187), QStringLiteral("93,5"));
        QCOMPARE(AnimalRecordWords::points(200), QStringLiteral("100"));
        QVERIFY(!bestResult({}));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

QTEST_GUILESS_MAIN(TestRecords)
#include "TestRecords.moc"
