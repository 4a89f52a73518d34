// The stock document: the one place that changes the data, what it signals
// for each change, how each change is taken back and made again, and the
// indexes it drops on every change.
#include "core/files/DataSetNames.h"
#include "core/files/StockFile.h"
#include "core/genetics/StockColours.h"
#include "core/stock/AnimalQueries.h"
#include "core/stock/BackgroundSave.h"
#include "core/stock/DescendantsFinder.h"
#include "core/stock/ListedMarks.h"
#include "core/stock/PreferencesStore.h"
#include "core/stock/RingIndex.h"
#include "core/stock/SelectorLists.h"
#include "core/stock/StockDocument.h"
#include "support/FileHelpers.h"
#include "support/SampleAnimals.h"

#include <QBuffer>
#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <functional>

namespace {

using Change = std::function<void(StockDocument&)>;

Animal child(const QString& ring, const QString& father, const QString& mother = {})
{
    Animal a = testAnimal(ring);
    a.fatherRing = father;
    a.motherRing = mother;
    return a;
}

// Everything a change can reach, as it is on the disk.
struct Stored
{
    QByteArray stockFile;
    QByteArray pairFile;
    std::vector<AnimalRecordSet> records;
    QMap<QString, QByteArray> pictures;
    bool operator==(const Stored&) const = default;
};

// A write lock of another program on the records file, released when it goes.
class RecordsHeld
{
public:
    explicit RecordsHeld(const QString& path)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &m_db);
        sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    ~RecordsHeld() { sqlite3_close(m_db); }
    RecordsHeld(const RecordsHeld&) = delete;
    RecordsHeld& operator=(const RecordsHeld&) = delete;

private:
    sqlite3* m_db = nullptr;
};

// The stock file a background save writes now has the bytes of a whole save.
bool backgroundSaveWritesTheWholeSave(StockDocument& stock)
{
    if (!stock.prepareSave(QDeadlineTimer::Forever))
        return false;
    QByteArray encoded;
    QByteArray whole;
    QBuffer fromEncoded(&encoded);
    QBuffer fromWhole(&whole);
    fromEncoded.open(QIODevice::WriteOnly);
    fromWhole.open(QIODevice::WriteOnly);
    return stock.saveWriters().stock(fromEncoded) && StockFile::write(fromWhole, stock.data()) && encoded == whole;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestStockDocument : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        StockData db;
        db.animals
            = {testAnimal("DAD", Sex::Male, 2010), testAnimal("MUM", Sex::Female, 2011), child("KID", "DAD", "MUM")};
        Clutch clutch {45380, 45383, 45384, 2, {{QStringLiteral("KID"), 0, 45398}, {}}};
        db.pairs = {{QStringLiteral("DAD"), QStringLiteral("MUM"), 3, 45356, {clutch}}};
        auto records = std::make_unique<RecordsDatabase>();
        QVERIFY(records->open(recordsPath(), RecordsDatabase::Access::Owner).available);
        Whereabouts sold {QStringLiteral("KID"),
                          WhereaboutsStatus::Sold,
                          QDate(2025, 10, 3),
                          QStringLiteral("Weber"),
                          QStringLiteral("Am Hang 2\nKassel"),
                          4500,
                          {}};
        QCOMPARE(records->setWhereabouts(sold), QString());
        for (const int points : {181, 186}) {
            ShowResult shown {0,
                              QStringLiteral("KID"),
                              QDate(2025, 11, 8),
                              QStringLiteral("Bundesschau"),
                              QStringLiteral("A1"),
                              points,
                              {},
                              {}};
            QCOMPARE(records->addShowResult(shown), QString());
        }
        QCOMPARE(records->changeRecordsOf(QStringLiteral("KID"), QStringLiteral("KID"),
                                          {.factors = FactorStates {{QStringLiteral("opal"), FactorState::Carrier}}}),
                 QString());
        m_stock = std::make_unique<StockDocument>(db, DataFiles(m_dir->path() + QLatin1Char('/')), std::move(records));
        put(m_stock->pictures().pathOf(QStringLiteral("KID")), "bild");
        put(source(), "neu");
    }

    // Every change function: what it signals, that a call changing nothing
    // signals nothing and is not kept, and that undo brings back every byte
    // of the data files, the records and the pictures, and redo the change.
    void everyChangeSaysWhatChanged_data()
    {
        using D = StockDocument;
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("signalled"); // 0: nothing may be signalled
        QTest::addColumn<bool>("undoable");
        // Not the program's own steps (suggestions, a sort) nor a restore or wipe, which keep copies of their own.
        const QStringList notUndoable {"offer values: marks change", "sort", "replace pictures", "replace all", "wipe"};
        auto row = [notUndoable](const char* name, Change change, D::Changes what) {
            QTest::newRow(name) << change << int(what) << (what && !notUndoable.contains(QLatin1String(name)));
        };
        const D::Changes nothing;
        const QString kid = QStringLiteral("KID");

        row(
            "offer values: marks change", [](D& s) { s.offerValues(&Animal::breed); }, D::ListedMarks);
        row(
            "year list: no mark set", [](D& s) { s.unmarkForYearList(std::nullopt); }, nothing);
        row(
            "append animals", [](D& s) { s.appendAnimals({testAnimal("NEW")}); }, D::Animals);
        row(
            "append none", [](D& s) { s.appendAnimals({}); }, nothing);
        row(
            "enter with picture", [this](D& s) { s.enterAnimal(testAnimal("NEW"), source()); },
            D::Animals | D::Pictures);
        row(
            "enter without picture", [](D& s) { s.enterAnimal(testAnimal("NEW"), QString()); }, D::Animals);
        row(
            "change an animal",
            [kid](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(kid));
                edit.fields.colour = QStringLiteral("rot");
                s.changeAnimal(kid, edit);
            },
            D::Animals);
        row(
            "change to the same values", [kid](D& s) { s.changeAnimal(kid, editOf(*s.lastActive(kid))); }, nothing);
        row(
            "change refused",
            [](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(QStringLiteral("KID")));
                edit.fields.ring = QStringLiteral("dad");
                s.changeAnimal(QStringLiteral("KID"), edit);
            },
            nothing);
        row(
            "rename with picture, links stay",
            [](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(QStringLiteral("KID")));
                edit.fields.ring = QStringLiteral("KID-2");
                s.changeAnimal(QStringLiteral("KID"), edit);
            },
            D::Animals | D::Pictures | D::Records);
        row(
            "rename carrying links",
            [](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(QStringLiteral("DAD")));
                edit.fields.ring = QStringLiteral("DAD-2");
                s.changeAnimal(QStringLiteral("DAD"), edit, [](int) { return true; });
            },
            D::Animals | D::ParentLinks | D::Pairs);
        row(
            "delete with picture and records", [](D& s) { s.deleteAnimal(QStringLiteral("KID")); },
            D::Animals | D::ParentLinks | D::Pictures | D::Records);
        row(
            "delete unknown", [](D& s) { s.deleteAnimal(QStringLiteral("NOBODY")); }, nothing);
        row(
            "whereabouts",
            [kid](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(kid));
                edit.whereabouts = Whereabouts {kid, WhereaboutsStatus::Died, QDate(2026, 1, 2), {}, {}, {}, {}};
                s.changeAnimal(kid, edit);
            },
            D::Animals | D::Records);
        row(
            "colour factors",
            [kid](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(kid));
                edit.factors = FactorStates {{QStringLiteral("opal"), FactorState::Visual}};
                s.changeAnimal(kid, edit);
            },
            D::Records);
        row(
            "show results with the bird",
            [kid](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(kid));
                edit.showResults = s.records().showResults(kid);
                edit.showResults->front().halfPoints = 190;
                edit.showResults->push_back(
                    {0, kid, QDate(2026, 1, 9), QStringLiteral("Vereinsschau"), {}, 176, {}, {}});
                s.changeAnimal(kid, edit);
            },
            D::Records);
        row(
            "the same show results",
            [kid](D& s) {
                AnimalEdit edit = editOf(*s.lastActive(kid));
                edit.showResults = s.records().showResults(kid);
                s.changeAnimal(kid, edit);
            },
            nothing);
        row(
            "add show result",
            [](D& s) {
                ShowResult r {0, QStringLiteral("DAD"), QDate(2024, 12, 1), QStringLiteral("Kreisschau"), {}, 180, {},
                              2};
                s.addShowResult(r);
            },
            D::Records);
        row(
            "change show result",
            [kid](D& s) {
                ShowResult r = s.records().showResults(kid).front();
                r.award = QStringLiteral("Silber");
                s.changeShowResult(r);
            },
            D::Records);
        row(
            "remove show result", [kid](D& s) { s.removeShowResult(s.records().showResults(kid).front().id); },
            D::Records);
        row(
            "set parents", [](D& s) { s.setParents(QStringLiteral("KID"), QString(), QStringLiteral("DAD")); },
            D::ParentLinks);
        row(
            "same parents",
            [](D& s) { s.setParents(QStringLiteral("KID"), QStringLiteral("MUM"), QStringLiteral("DAD")); }, nothing);
        row(
            "sort", [](D& s) { s.sortStock(); }, D::AnimalOrder);
        row(
            "breeder data",
            [](D& s) {
                BreederData b;
                b.lastName = QStringLiteral("Weiß");
                s.setBreederData(b);
            },
            D::Breeder);
        row(
            "same breeder data", [](D& s) { s.setBreederData(s.breeder()); }, nothing);
        row(
            "print settings",
            [](D& s) {
                PrintSettings p = s.printSettings();
                p.showBreeding = 1;
                s.setPrintSettings(p);
            },
            D::Print);
        row(
            "same print settings", [](D& s) { s.setPrintSettings(s.printSettings()); }, nothing);
        row(
            "store picture", [this](D& s) { s.storePicture(QStringLiteral("DAD"), source()); }, D::Pictures);
        row(
            "store unreadable picture", [this](D& s) { s.storePicture(QStringLiteral("DAD"), source() + "x"); },
            nothing);
        row(
            "remove picture", [](D& s) { s.removePicture(QStringLiteral("KID")); }, D::Pictures);
        row(
            "remove missing picture", [](D& s) { s.removePicture(QStringLiteral("DAD")); }, nothing);
        row(
            "replace pictures", [this](D& s) { s.replacePictures(m_dir->path(), keptPictures(), {}); }, D::Pictures);
        row(
            "add pair", [](D& s) { s.addPair({}); }, D::Pairs);
        row(
            "change pair",
            [](D& s) {
                s.changePair(0, {QStringLiteral("DAD"), QStringLiteral("MUM"), 4, 45356, {}});
            },
            D::Pairs);
        row(
            "same pair", [](D& s) { s.changePair(0, s.pairs()[0]); }, nothing);
        row(
            "remove pair", [](D& s) { s.removePair(0); }, D::Pairs);
        row(
            "add clutch", [](D& s) { s.addClutch(0); }, D::Pairs);
        row(
            "set clutch",
            [](D& s) {
                Clutch c = s.pairs()[0].clutches[0];
                c.lastEgg += 1;
                s.setClutch(0, 0, c);
            },
            D::Pairs);
        row(
            "same clutch", [](D& s) { s.setClutch(0, 0, s.pairs()[0].clutches[0]); }, nothing);
        row(
            "remove clutch", [](D& s) { s.removeClutch(0, 0); }, D::Pairs);
        row(
            "ring young",
            [](D& s) {
                s.ringYoung(0, 0, 1, child("KID-B", "DAD", "MUM"), {"KID-B", 0, 45398});
            },
            D::Animals | D::Pairs);
        row(
            "clear ringed egg", [](D& s) { s.clearYoung(0, 0, 0); },
            D::Animals | D::ParentLinks | D::Pairs | D::Records);
        row(
            "clear empty egg", [](D& s) { s.clearYoung(0, 0, 1); }, nothing);
        row(
            "replace all", [](D& s) { s.replaceAll({}); }, D::Everything);
        row(
            "replace by the same", [](D& s) { s.replaceAll(s.data()); }, nothing);
        row(
            "wipe", [](D& s) { s.wipe(); }, D::Everything);
    }

    void everyChangeSaysWhatChanged()
    {
        QFETCH(Change, change);
        QFETCH(int, signalled);
        QFETCH(bool, undoable);
        const Stored before = stored();
        QVERIFY(m_stock->prepareSave(QDeadlineTimer::Forever));
        QSignalSpy spy(m_stock.get(), &StockDocument::changed);
        auto signalledOnce = [&] {
            const bool once = spy.size() == 1 && int(spy.at(0).at(0).value<StockDocument::Changes>()) == signalled;
            spy.clear();
            return once;
        };
        change(*m_stock);
        if (signalled == 0) {
            QCOMPARE(spy.size(), 0);
            QVERIFY(!m_stock->history().canUndo());
            return;
        }
        QVERIFY(signalledOnce());
        QVERIFY(backgroundSaveWritesTheWholeSave(*m_stock));
        QCOMPARE(m_stock->history().canUndo(), undoable);
        if (!undoable)
            return;

        const Stored after = stored();
        QCOMPARE(m_stock->undo(), QString());
        QVERIFY(signalledOnce());
        QVERIFY(backgroundSaveWritesTheWholeSave(*m_stock));
        QVERIFY(stored() == before);
        QVERIFY(!m_stock->history().canUndo());
        QCOMPARE(m_stock->redo(), QString());
        QVERIFY(signalledOnce());
        QVERIFY(backgroundSaveWritesTheWholeSave(*m_stock));
        QVERIFY(stored() == after);
    }

    void aSortTheProgramMakesIsTakenBackWithTheStepBeforeIt()
    {
        const AnimalTable table = m_stock->animals();
        m_stock->appendAnimals({testAnimal("NEU", Sex::Male, 2030)});
        m_stock->sortStock();
        QCOMPARE(m_stock->animals().front().ringNumber, QStringLiteral("NEU"));
        QCOMPARE(m_stock->history().steps(), size_t(1));
        QCOMPARE(m_stock->history().undoText(), QStringLiteral("Kanarienvogel NEU angelegt"));
        QCOMPARE(m_stock->undo(), QString());
        QVERIFY(m_stock->animals() == table);
        QCOMPARE(m_stock->redo(), QString());
        QCOMPARE(m_stock->animals().front().ringNumber, QStringLiteral("NEU"));
        QCOMPARE(m_stock->animals().size(), size_t(4));
    }

    // A records write that fails leaves both stores as they were and says why,
    // whether it is the change itself or taking it back.
    void aRefusedRecordsWriteChangesNeitherStore()
    {
        ShowResult r {0, QStringLiteral("MUM"), QDate(2024, 12, 1), QStringLiteral("Kreisschau"), {}, 178, {}, {}};
        QCOMPARE(m_stock->addShowResult(r), QString());
        const Stored before = stored();
        {
            const RecordsHeld held(recordsPath());
            AnimalEdit edit = editOf(*m_stock->lastActive(QStringLiteral("KID")));
            edit.fields.ring = QStringLiteral("KID-NEU");
            edit.fields.colour = QStringLiteral("rot");
            const AnimalEditResult result
                = m_stock->changeAnimal(QStringLiteral("KID"), edit, [](int) { return true; });
            QCOMPARE(result.outcome, AnimalEditResult::Outcome::RecordsRefused);
            QVERIFY2(result.message.contains(QStringLiteral("nicht gespeichert")), qPrintable(result.message));
            QVERIFY(!m_stock->deleteAnimal(QStringLiteral("KID")).isEmpty());
            const QString failure = m_stock->undo();
            QVERIFY2(failure.startsWith(QStringLiteral("„Ausstellungsergebnis von MUM eingetragen“ konnte nicht "
                                                       "rückgängig gemacht werden")),
                     qPrintable(failure));
        }
        QVERIFY(stored() == before);
        QCOMPARE(m_stock->history().steps(), size_t(1));
        QCOMPARE(m_stock->undo(), QString()); // free again: now it goes
        QVERIFY(m_stock->records().showResults(QStringLiteral("MUM")).empty());
    }

    // The background save writes the data files only for what they hold, and
    // what undo brought back reaches the disk like any change.
    void theBackgroundSaveWritesWhatTheDataFilesHold()
    {
        BackgroundSave saving(*m_stock, 0);
        QSignalSpy saved(&saving, &BackgroundSave::saved);
        ShowResult r {0, QStringLiteral("DAD"), QDate(2024, 12, 1), QStringLiteral("Kreisschau"), {}, 180, {}, {}};
        QCOMPARE(m_stock->addShowResult(r), QString());
        QTest::qWait(100);
        QCOMPARE(saved.size(), 0);
        QVERIFY(!QFile::exists(m_stock->files().stockPath()));

        QVERIFY(m_stock->deleteAnimal(QStringLiteral("KID")).isEmpty());
        QVERIFY(saved.wait());
        QCOMPARE(m_stock->undo(), QString());
        QVERIFY(saved.wait());
        StockData onDisk;
        DataFiles(m_dir->path() + QLatin1Char('/')).load(onDisk);
        QVERIFY(onDisk.animals == m_stock->animals());
        QVERIFY(onDisk.animals[2].isActive());
    }

    // Over a stock of several encoded chunks, every kind of change reaches
    // the background save's bytes at the positions it touched, and nowhere else.
    void theBackgroundSaveFollowsChangesAcrossTheStock()
    {
        AnimalTable animals;
        const size_t count = 3 * EncodedStock::kAnimalsPerChunk + 100;
        for (size_t i = 0; i < count; ++i)
            animals.push_back(testAnimal(QStringLiteral("R%1").arg(i), i % 2 ? Sex::Male : Sex::Female, 2000 + i % 20));
        StockDocument stock(StockData {animals, {}, {}, PrintSettings::defaults()},
                            DataFiles(m_dir->path() + QStringLiteral("/gross/")));
        QVERIFY(stock.prepareSave(QDeadlineTimer::Forever));
        const QString late = QStringLiteral("R%1").arg(2 * EncodedStock::kAnimalsPerChunk + 7);
        const std::vector<Change> changes {
            [&](StockDocument& s) {
                AnimalEdit edit = editOf(*s.lastActive(late));
                edit.fields.remarks = QStringLiteral("längere Bemerkung als vorher");
                s.changeAnimal(late, edit);
            },
            [](StockDocument& s) { s.deleteAnimal(QStringLiteral("R5")); },
            [](StockDocument& s) {
                s.appendAnimals({testAnimal("NEU-1"), testAnimal("NEU-2")});
            },
            [](StockDocument& s) { s.undo(); },
            [](StockDocument& s) { s.redo(); },
            [](StockDocument& s) { s.offerValues(&Animal::breed); },
            [](StockDocument& s) { s.sortStock(); },
            [](StockDocument& s) { s.undo(); },
            [](StockDocument& s) { s.undo(); },
        };
        for (size_t i = 0; i < changes.size(); ++i) {
            changes[i](stock);
            QVERIFY2(backgroundSaveWritesTheWholeSave(stock), qPrintable(QString::number(i)));
        }
        QVERIFY(stock.data().animals != animals); // the late change stands
    }

    // Offered again after any mix of changes, undo and redo, the values and
    // the listed marks are those a look at the whole table gives, although
    // only the animals each change reached are looked at again.
    // The suggestion lists and the certificate's ring list, kept up to date
    // change by change, against the functions over the whole table.
    void listsFollowEveryChangeAsTheWholeTableWould()
    {
        const QStringList breeds {"Gloster", "Lizard", "Border", "", "Timbrado"};
        AnimalTable animals;
        for (int i = 0; i < 40; ++i) {
            animals.push_back(testAnimal(QStringLiteral("R%1").arg(i), Sex::Male, 2020, breeds[i % 4]));
            animals.back().colour = QStringLiteral("Farbe %1").arg(i % 7);
            animals.back().active = i % 9 ? 1 : 0;
        }
        // Values equal but for case are offered in the order the table first has them active in.
        animals[0].breed = QStringLiteral("border");
        animals[0].active = 0;
        // Rings equal but for case are listed in the order of the table.
        for (int i = 30; i < 38; ++i)
            animals[size_t(i)].ringNumber = QStringLiteral("r%1").arg(i - 30);
        StockDocument stock(StockData {animals, {}, {}, PrintSettings::defaults()},
                            DataFiles(m_dir->path() + QStringLiteral("/angeboten/")));
        QRandomGenerator random(7);
        auto anyRing = [&] {
            return stock.animals()[random.bounded(quint32(stock.animals().size()))].ringNumber;
        };
        QString Animal::*const fields[] = {&Animal::breed, &Animal::breed, &Animal::breed, &Animal::colour};
        for (int step = 0; step < 1500; ++step) {
            switch (random.bounded(9)) {
            case 0:
            case 1: { // a new breed, one that was there, or the last of one going
                const QString ring = anyRing();
                if (const Animal* a = stock.lastActive(ring)) {
                    AnimalEdit edit = editOf(*a);
                    edit.fields.breed = random.bounded(20) ? breeds[random.bounded(5)] : QStringLiteral("border");
                    if (random.bounded(4) == 0)
                        edit.fields.ring = QStringLiteral("X%1").arg(random.bounded(60));
                    if (random.bounded(5) == 0)
                        edit.sold = !edit.sold;
                    stock.changeAnimal(ring, edit);
                }
                break;
            }
            case 2:
                stock.deleteAnimal(anyRing());
                break;
            case 3: {
                AnimalTable range;
                for (int k = int(random.bounded(1, 30)); k > 0; --k)
                    range.push_back(testAnimal(QStringLiteral("N%1-%2").arg(step).arg(k), Sex::Female, 2021,
                                               breeds[random.bounded(5)]));
                if (random.bounded(4) == 0)
                    range.front().ringNumber = anyRing(); // a ring the stock has: several records with it
                stock.appendAnimals(range);
                break;
            }
            case 4:
                stock.undo();
                break;
            case 5:
                stock.redo();
                break;
            case 6:
                if (random.bounded(3))
                    break;
                if (random.bounded(8) == 0)
                    stock.sortStock();
                else
                    stock.unmarkForYearList(random.bounded(2) ? std::nullopt : std::optional(breeds[0]));
                break;
            default: {
                QString Animal::*field = fields[random.bounded(4)];
                AnimalTable expected = stock.animals();
                markListedValues(expected, field);
                QStringList offered = stock.offerValues(field);
                QStringList whole = distinctValues(expected, field);
                if (runningUnderWine()) { // its collator gives no order to hold two sorts to
                    std::sort(offered.begin(), offered.end());
                    std::sort(whole.begin(), whole.end());
                }
                QCOMPARE(offered, whole);
                QVERIFY2(stock.animals() == expected, qPrintable(QString::number(step)));
                QStringList candidates = stock.certificateCandidates();
                QStringList allCandidates = pedigreeCandidates(stock.animals());
                if (runningUnderWine()) {
                    std::sort(candidates.begin(), candidates.end());
                    std::sort(allCandidates.begin(), allCandidates.end());
                }
                QVERIFY2(candidates == allCandidates, qPrintable(QString::number(step)));
                for (int k = 0; k < 3; ++k) {
                    const QString ring = anyRing();
                    QVERIFY(stock.ringIndex().activeWith(ring) == activeIndicesOf(stock.animals(), ring));
                }
            }
            }
        }
    }

    // A bird sold and the sale taken back returns to its place among rings equal but for case.
    void theRingListKeepsTheTableOrderOfRingsEqualButForCase()
    {
        StockDocument stock(StockData {{testAnimal(QStringLiteral("R1"), Sex::Male, 2020),
                                        testAnimal(QStringLiteral("r1"), Sex::Female, 2020),
                                        testAnimal(QStringLiteral("A2"), Sex::Female, 2020)},
                                       {},
                                       {},
                                       PrintSettings::defaults()},
                            DataFiles(m_dir->path() + QStringLiteral("/gleich/")));
        QCOMPARE(stock.certificateCandidates(), (QStringList {"A2", "R1", "r1"}));
        for (int turn = 0; turn < 2; ++turn) { // the first change finds the list without a record of it
            AnimalEdit sold = editOf(stock.animals()[0]);
            sold.sold = true;
            QVERIFY(stock.changeAnimal(QStringLiteral("R1"), sold).stored());
            QCOMPARE(stock.certificateCandidates(), (QStringList {"A2", "r1"}));
            QCOMPARE(stock.undo(), QString());
            QCOMPARE(stock.certificateCandidates(), (QStringList {"A2", "R1", "r1"}));
        }
        // Remarks leave the list, and its version, as they were; a new ring does not.
        const quint64 version = stock.certificateCandidatesVersion();
        AnimalEdit remarks = editOf(stock.animals()[2]);
        remarks.fields.remarks = QStringLiteral("Neu");
        QVERIFY(stock.changeAnimal(QStringLiteral("A2"), remarks).stored());
        QCOMPARE(stock.certificateCandidatesVersion(), version);
        remarks.fields.ring = QStringLiteral("Z3");
        QVERIFY(stock.changeAnimal(QStringLiteral("A2"), remarks).stored());
        QVERIFY(stock.certificateCandidatesVersion() != version);
        QCOMPARE(stock.certificateCandidates(), (QStringList {"R1", "r1", "Z3"}));
    }

    void theHistoryKeepsTheNewestSteps()
    {
        BreederData breeder;
        for (size_t i = 0; i < UndoHistory::kMaxSteps + 3; ++i) {
            breeder.lastName = QString::number(i);
            m_stock->setBreederData(breeder);
        }
        QCOMPARE(m_stock->history().steps(), UndoHistory::kMaxSteps);
        QVERIFY(m_stock->history().memory() > 0);
        while (m_stock->history().canUndo())
            QCOMPARE(m_stock->undo(), QString());
        QCOMPARE(m_stock->breeder().lastName, QStringLiteral("2"));
        QCOMPARE(m_stock->history().redoText(), QStringLiteral("Züchterdaten geändert"));

        m_stock->wipe(); // keeps a copy of its own: nothing before it comes back
        QVERIFY(!m_stock->history().canUndo() && !m_stock->history().canRedo());
    }

    // The changes reach the data and the files on disk.
    void aRenameCarriesRecordPictureAndLinksTogether()
    {
        AnimalEdit edit = editOf(*m_stock->lastActive(QStringLiteral("KID")));
        edit.fields.ring = QStringLiteral("KID-NEU");
        QVERIFY(m_stock->changeAnimal(QStringLiteral("KID"), edit, [](int) { return true; }).stored());
        QVERIFY(m_stock->pictures().exists(QStringLiteral("KID-NEU")));
        QVERIFY(!m_stock->pictures().exists(QStringLiteral("KID")));
        QCOMPARE(m_stock->pairs()[0].clutches[0].young[0].ring, QStringLiteral("KID-NEU"));

        // A picture already under the new name is never replaced; the record changes all the same.
        put(m_stock->pictures().pathOf(QStringLiteral("DAD-NEU")), "anderes");
        put(m_stock->pictures().pathOf(QStringLiteral("DAD")), "vater");
        edit = editOf(*m_stock->lastActive(QStringLiteral("DAD")));
        edit.fields.ring = QStringLiteral("DAD-NEU");
        const AnimalEditResult result = m_stock->changeAnimal(QStringLiteral("DAD"), edit);
        QVERIFY(result.stored());
        QVERIFY(result.pictureProblem.contains(QStringLiteral("schon ein Bild")));
        QCOMPARE(contents(m_stock->pictures().pathOf(QStringLiteral("DAD-NEU"))), QByteArray("anderes"));
        QCOMPARE(m_stock->lastActive(QStringLiteral("KID-NEU"))->fatherRing, QStringLiteral("DAD")); // not carried
    }

    void aFailedPictureReplacementBringsTheOldPicturesBack()
    {
        const FolderCopy copy = m_stock->replacePictures(m_dir->path(), keptPictures(), [](int, int) { return false; });
        QVERIFY(copy.cancelled);
        QCOMPARE(contents(m_stock->pictures().pathOf(QStringLiteral("KID"))), QByteArray("bild"));
    }

    void aPairOrClutchThatIsGoneIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_stock->removePair(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_stock->setClutch(0, 3, {}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, m_stock->clearYoung(0, 0, 2));
        QCOMPARE(m_stock->pairs().size(), size_t(1));
    }

    // An index that outlived a change would find the wrong animal or none.
    void indexesFollowEveryChange()
    {
        QCOMPARE(m_stock->descendants().find(QStringLiteral("DAD")).generations[0], QStringList {"KID"});
        QCOMPARE(m_stock->lastActive(QStringLiteral("KID"))->fatherRing, QStringLiteral("DAD"));

        m_stock->ringIndex(); // made now: appended animals are taken into it
        m_stock->appendAnimals({child("KID2", "DAD"), child("KID", "")});
        QCOMPARE(m_stock->descendants().find(QStringLiteral("DAD")).generations[0], (QStringList {"KID", "KID2"}));
        QCOMPARE(m_stock->ringIndex().lastWith(QStringLiteral("KID")), qsizetype(m_stock->animals().size() - 1));
        QCOMPARE(m_stock->lastActive(QStringLiteral("KID"))->fatherRing, QString()); // the newest record wins
        QVERIFY(m_stock->deleteAnimal(QStringLiteral("KID")).isEmpty()); // both records with the ring go
        m_stock->appendAnimals({child("KID", "DAD")});
        m_stock->setParents(QStringLiteral("KID"), QString(), QString());
        QCOMPARE(m_stock->descendants().find(QStringLiteral("DAD")).generations[0], QStringList {"KID2"});

        m_stock->deleteAnimal(QStringLiteral("DAD"));
        QVERIFY(!m_stock->lastActive(QStringLiteral("DAD")));
        QCOMPARE(m_stock->ringIndex().lastWith(QStringLiteral("DAD")), 0); // still an ancestor until sorted
        m_stock->sortStock();
        QCOMPARE(m_stock->ringIndex().lastWith(QStringLiteral("DAD")), -1);
        QCOMPARE(m_stock->alphabeticalRingOrder().size(), size_t(3));

        AnimalEdit edit = editOf(*m_stock->lastActive(QStringLiteral("KID")));
        edit.fields.ring = QStringLiteral("KID-NEU");
        QVERIFY(m_stock->changeAnimal(QStringLiteral("KID"), edit).stored());
        QVERIFY(m_stock->lastActive(QStringLiteral("KID-NEU")));
        QVERIFY(!m_stock->lastActive(QStringLiteral("KID")));
    }

    // One colour reading for every window: kept over changes it does not read, made again after those it does.
    void theColourReadingFollowsWhatItReads()
    {
        const qsizetype dad = m_stock->ringIndex().lastActiveWith(QStringLiteral("DAD"));
        PedigreeReading* reading = &colourReading(*m_stock);
        QVERIFY(!reading->hasEntries(dad));
        QVERIFY(reading->hasEntries(m_stock->ringIndex().lastActiveWith(QStringLiteral("KID"))));
        PrintSettings print = m_stock->printSettings();
        print.showPrefixes = !print.showPrefixes;
        m_stock->setPrintSettings(print);
        BreederData breeder;
        breeder.firstName = QStringLiteral("Erna");
        m_stock->setBreederData(breeder);
        QCOMPARE(&colourReading(*m_stock), reading);

        AnimalEdit edit = editOf(*m_stock->lastActive(QStringLiteral("DAD")));
        edit.factors = FactorStates {{QStringLiteral("opal"), FactorState::Visual}};
        QVERIFY(m_stock->changeAnimal(QStringLiteral("DAD"), edit).stored());
        QVERIFY(colourReading(*m_stock).hasEntries(dad));
        QCOMPARE(m_stock->undo(), QString());
        QVERIFY(!colourReading(*m_stock).hasEntries(dad));
        edit.fields.colour = QStringLiteral("opal");
        edit.factors.reset();
        QVERIFY(m_stock->changeAnimal(QStringLiteral("DAD"), edit).stored());
        QVERIFY(colourReading(*m_stock).shows(dad, FactorTable::canary().find(QStringLiteral("opal"))));
    }

    // The settings outside the stock file: one owner that saves what is kept and says when they change.
    void preferencesKeepWhatLastsFromRunToRun()
    {
        const QString file = m_dir->path() + QStringLiteral("/Avelor.ini");
        PreferencesStore preferences(file);
        QCOMPARE(preferences.values(), Preferences());
        QSignalSpy spy(&preferences, &PreferencesStore::changed);
        CertificatePreferences certificate;
        certificate.showInbreeding = true;
        certificate.detailFontSize = 6;
        preferences.setCertificate(certificate);
        preferences.setCertificate(certificate);
        QCOMPARE(spy.size(), 1);

        const PreferencesStore again(file);
        QVERIFY(again.certificate().showInbreeding);
        QCOMPARE(again.certificate().detailFontSize, 10); // chosen for one run only

        // Kept in the document's history, taken back like any change, the file too.
        preferences.keepHistoryIn(*m_stock);
        CalendarDays days = preferences.calendar();
        days.lookAhead += 3;
        preferences.setCalendar(days);
        QCOMPARE(m_stock->history().undoText(), QStringLiteral("Tage des Zuchtkalenders geändert"));
        QCOMPARE(m_stock->undo(), QString());
        QCOMPARE(spy.size(), 3);
        QCOMPARE(PreferencesStore(file).calendar(), CalendarDays());
        QCOMPARE(m_stock->redo(), QString());
        QCOMPARE(PreferencesStore(file).calendar(), days);
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
    QString source() const { return m_dir->path() + QStringLiteral("/quelle.jpg"); }
    QString recordsPath() const { return m_dir->path() + QLatin1Char('/') + DataSetNames::RecordsFile; }

    Stored stored() const
    {
        Stored now;
        m_stock->save();
        now.stockFile = contents(m_stock->files().stockPath());
        now.pairFile = contents(m_stock->files().pairPath());
        for (const char* ring : {"DAD", "MUM", "KID", "KID-2", "DAD-2", "NEW", "KID-B"})
            now.records.push_back(m_stock->records().recordsOf(QString::fromLatin1(ring)));
        const QDir pictures(m_stock->pictures().folder());
        for (const QString& name : pictures.entryList(QDir::Files))
            now.pictures[name] = contents(pictures.filePath(name));
        return now;
    }
    QString keptPictures() const { return m_dir->path() + QStringLiteral("/alte Bilder"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StockDocument> m_stock;
};

QTEST_GUILESS_MAIN(TestStockDocument)
#include "TestStockDocument.moc"
