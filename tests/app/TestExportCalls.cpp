// avelor-export called wrongly, or on records it cannot read: it says what
// is wrong and ends with the exit code that says so, never with success.
#include "app/ExportTool.h"
#include "core/files/DataFiles.h"
#include "core/records/RecordsDatabase.h"
#include "support/FileHelpers.h"
#include "support/PedigreeSample.h"
#include "support/SampleAnimals.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sqlite3.h>

namespace {

struct Outcome
{
    int code = 0;
    QString out;
    QString err;
};

Outcome runWith(const QStringList& arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = runExport(arguments, out, err);
    out.flush();
    err.flush();
    return outcome;
}

} // namespace

class TestExportCalls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        useTestHome(m_dir.path());
        m_folder = m_dir.path() + QStringLiteral("/data/");
        StockData db = pedigreeSample();
        db.animals.push_back(testAnimal(QStringLiteral("HAHN"), Sex::Male));
        db.animals.push_back(testAnimal(QStringLiteral("HENNE"), Sex::Female));
        QVERIFY(DataFiles(m_folder).save(db).ok);
        RecordsDatabase records;
        QVERIFY(records.open(m_folder + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::Owner)
                    .message.isEmpty());
        ShowResult r {0, kSampleSubject, QDate(2026, 11, 14), QStringLiteral("Bundesschau"), {}, 180, {}, {}};
        QVERIFY(records.addShowResult(r).isEmpty());
        const LocationMove moves[] = {{0, QStringLiteral("HAHN"), QDate(2026, 1, 5), QStringLiteral("Voliere 1")},
                                      {0, QStringLiteral("HAHN"), QDate(2026, 3, 1), QStringLiteral("Hecke 2")},
                                      {0, QStringLiteral("HENNE"), QDate(2026, 3, 1), QStringLiteral("Hecke 2")}};
        for (const LocationMove& move : moves)
            QVERIFY(records.changeRecordsOf(move.ring, move.ring, {.move = move}).isEmpty());
        RingDelivery delivery {0,  2026, QStringLiteral("DKB"), QStringLiteral("2,9"), {}, QStringLiteral("HA"), 0,
                               99, 2};
        QVERIFY(records.addRingDelivery(delivery).isEmpty());
        ShowEvent show {0, QStringLiteral("Kreisschau"), {}, QDate(2026, 10, 4), {}, {}, CollectionRule::AnySex};
        QVERIFY(records.addShowEvent(show).isEmpty());
        std::vector<ShowEntry> entries {
            {0, show.id, QStringLiteral("HAHN"), QStringLiteral("Gloster"), {}, 17, 183, {}},
            {0, show.id, QStringLiteral("HENNE"), QStringLiteral("Gloster"), {}, {}, {}, {}}};
        QVERIFY(records.addEntries(entries).isEmpty());
    }

    void wrongCallsSayWhatIsWrong_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const QString pdf = m_dir.path() + QStringLiteral("/x.pdf");
        QTest::newRow("no command") << QStringList {} << 2 << "Es fehlt der Befehl";
        QTest::newRow("an option the command does not take")
            << QStringList {"check", "-o", pdf} << 2 << "check nimmt die Angabe -o nicht";
        QTest::newRow("--pair where none is taken")
            << QStringList {"shows", "--pair"} << 2 << "nimmt die Angabe --pair";
        QTest::newRow("an empty folder") << QStringList {"--data=", "check"} << 2 << "Nach --data fehlt eine Angabe";
        QTest::newRow("an option twice") << QStringList {"shows", "--year", "2025", "--year", "2026"} << 2
                                         << "--year ist mehrfach angegeben";
        QTest::newRow("crossover not a number")
            << QStringList {"colours", "--cock", "braun", "--hen", "", "--crossover", "nan"} << 2
            << "--crossover nimmt einen Anteil von 0 bis 0.5";
        QTest::newRow("crossover beyond a half")
            << QStringList {"colours", "--cock", "", "--hen", "", "--crossover", "inf"} << 2 << "--crossover";
        QTest::newRow("a factor without a name")
            << QStringList {"colours", "--cock", "braun+", "--hen", ""} << 2 << "fehlt der Name einer Anlage";
        QTest::newRow("a factor three times")
            << QStringList {"colours", "--cock", "", "--hen", "opal,opal,opal"} << 2 << "mehr als zweimal";
        QTest::newRow("labels on an unknown sheet")
            << QStringList {"labels", "Kreisschau", "--sheet", "4x4", "-o", pdf} << 2 << "--sheet nimmt 3x8 oder 3x7";
        QTest::newRow("entries without a show") << QStringList {"entries", "-o", pdf} << 2 << "Name der Ausstellung";
        QTest::newRow("season year 0") << QStringList {"season", "0"} << 2 << "season nimmt genau ein Jahr";
        QTest::newRow("season year 99999") << QStringList {"season", "99999"} << 2 << "von 1 bis 9999";
        QTest::newRow("inbreeding of a bird with itself")
            << QStringList {"inbreeding", "--pair", "HAHN", "HAHN"} << 2 << "zwei verschiedene Ringnummern";
        QTest::newRow("a pair sheet by name") << QStringList {"pairsheet", "abc", "-o", pdf} << 2 << "gezählt ab 1";
        QTest::newRow("a pair sheet of a pair that is not there")
            << QStringList {"pairsheet", "99", "-o", pdf} << 1 << "Ein Zuchtpaar 99 gibt es nicht";
        QTest::newRow("hen before cock") << QStringList {"colours", "--pair", "HENNE", "HAHN"} << 2
                                         << "zuerst den Hahn, dann die Henne; „HENNE“ ist als Henne";
        QTest::newRow("a stock list by colour")
            << QStringList {"stocklist", "--by", "farbe", "-o", pdf} << 2 << "--by nimmt ring oder year";
        QTest::newRow("cage cards of a size not offered")
            << QStringList {"cagecards", "HAHN", "--size", "a5", "-o", pdf} << 2 << "--size nimmt a6, a7 oder card";
        QTest::newRow("cage cards of no pair")
            << QStringList {"cagecards", "--pair", "-o", pdf} << 2 << "fehlen die Nummern der Zuchtpaare";
        QTest::newRow("cage cards of a pair by name")
            << QStringList {"cagecards", "--pair", "HAHN", "-o", pdf} << 2 << "gezählt ab 1";
        QTest::newRow("cage cards of a pair that is not there")
            << QStringList {"cagecards", "--pair", "99", "-o", pdf} << 1 << "Ein Zuchtpaar 99 gibt es nicht";
        QTest::newRow("a cage card of a ring not in stock")
            << QStringList {"cagecards", "HAHN", "NICHTDA", "-o", pdf} << 1 << "„NICHTDA“ ist nicht im Bestand";
        QTest::newRow("rings with a word")
            << QStringList {"rings", "2026"} << 2 << "rings nimmt keine weiteren Angaben";
        QTest::newRow("location with two places")
            << QStringList {"location", "Hecke", "2"} << 2 << "location nimmt höchstens einen Ort";
    }

    // Cards of single birds, 10 to a sheet: one page for two birds.
    void cageCardsOfBirds()
    {
        const QString png = m_dir.filePath(QStringLiteral("karten.png"));
        const Outcome outcome
            = runWith({"--data", m_folder, "cagecards", "HAHN", "HENNE", "--size", "card", "-o", png});
        QCOMPARE(outcome.code, 0);
        QVERIFY(QFile::exists(png));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("karten-2.png"))));
    }

    // One line per bird: where it sits now and since when; with a place only its birds.
    void placesOfTheBirds()
    {
        const Outcome all = runWith({"--data", m_folder, "location"});
        QCOMPARE(all.code, 0);
        QVERIFY(all.out.startsWith(QStringLiteral("HAHN\tHecke 2\t2026-03-01\nHENNE\tHecke 2\t2026-03-01\n")));
        QCOMPARE(all.out.count(QLatin1Char('\n')), int(pedigreeSample().animals.size()) + 2);
        QVERIFY(all.out.contains(kSampleSubject + QStringLiteral("\t\t\n")));
        QCOMPARE(runWith({"--data", m_folder, "location", "Voliere 1"}).out, QString());
        QCOMPARE(runWith({"--data", m_folder, "location", "Hecke 2"}).out.count(QLatin1Char('\n')), 2);
    }

    // One line per delivery; a year without deliveries prints nothing.
    void ringsOnHand()
    {
        QCOMPARE(runWith({"--data", m_folder, "rings"}).out, QStringLiteral("2026\tDKB\t2,9\tHA00\tHA99\t0\t100\n"));
        QCOMPARE(runWith({"--data", m_folder, "rings", "--year", "2025"}).out, QString());
    }

    // The entry form and the labels of a show named on the command line; the entries as CSV with their points.
    void entriesAndLabelsOfAShow()
    {
        const QString csv = m_dir.path() + QStringLiteral("/meldungen.csv");
        QCOMPARE(runWith({"--data", m_folder, "entries", "Kreisschau", "-o", csv}).code, 0);
        const QByteArray written = contents(csv);
        QVERIFY2(written.contains("1;Gloster;HAHN;Hahn;gelb;;;17;91,5;"), written.constData());
        QVERIFY(written.contains("2;Gloster;HENNE;Henne;"));
        const QString form = m_dir.path() + QStringLiteral("/meldebogen.pdf");
        QCOMPARE(runWith({"--data", m_folder, "entries", "Kreisschau", "-o", form}).code, 0);
        QVERIFY(contents(form).startsWith("%PDF"));
        const QString labels = m_dir.path() + QStringLiteral("/etiketten.png");
        QCOMPARE(runWith({"--data", m_folder, "labels", "Kreisschau", "--sheet", "3x7", "-o", labels}).code, 0);
        QVERIFY(QFile::exists(labels)); // one sheet: no page number in the name
        const Outcome missing = runWith({"--data", m_folder, "labels", "Landesschau", "-o", labels});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.err.contains(QStringLiteral("Eine Ausstellung „Landesschau“ ist nicht eingetragen.")));
    }

    void wrongCallsSayWhatIsWrong()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, said);
        const bool ownFolder = std::any_of(arguments.begin(), arguments.end(),
                                           [](const QString& a) { return a.startsWith(QLatin1String("--data")); });
        const Outcome outcome = runWith((ownFolder ? QStringList {} : QStringList {"--data", m_folder}) + arguments);
        QCOMPARE(outcome.code, code);
        QVERIFY2(outcome.err.contains(said), qPrintable(outcome.err));
        QVERIFY(!QFile::exists(m_dir.path() + QStringLiteral("/x.pdf")));
    }

    // A folder or stock file that is missing, and one that may not be read, are told apart.
    // The file that goes with a bought bird: the bird and its 30 ancestors, each once, with its best show result.
    void aPedigreeFileCarriesTheCertificatesAncestors()
    {
        const QString path = m_dir.path() + QStringLiteral("/stammbaum.json");
        QCOMPARE(runWith({"--data", m_folder, "pedigree", kSampleSubject, "-o", path}).code, 0);
        const QJsonObject file = QJsonDocument::fromJson(contents(path)).object();
        QCOMPARE(file.value("format").toString(), QStringLiteral("avelor-pedigree"));
        QCOMPARE(file.value("version").toInt(), 1);
        QCOMPARE(file.value("subject").toString(), kSampleSubject);
        const QJsonArray animals = file.value("animals").toArray();
        QCOMPARE(animals.size(), 31);
        const QJsonObject subject = animals.first().toObject();
        QCOMPARE(subject.value("ring").toString(), kSampleSubject);
        QCOMPARE(subject.value("father").toString(), sampleAncestorRing(1));
        QCOMPARE(subject.value("bestShowResult").toObject().value("points").toDouble(), 90.0);
        QStringList rings;
        for (const QJsonValue& a : animals)
            rings << a.toObject().value("ring").toString();
        for (int slot = 1; slot <= 30; ++slot)
            QVERIFY(rings.contains(sampleAncestorRing(slot)));

        QCOMPARE(runWith({"--data", m_folder, "pedigree", "FEHLT", "-o", path}).code, 1);
        QCOMPARE(runWith({"--data", m_folder, "pedigree", kSampleSubject, "HAHN", "-o", path}).code, 2);
    }

    void aFolderThatCannotBeReadIsNotCalledMissing()
    {
        const Outcome missing = runWith({"--data", m_dir.path() + QStringLiteral("/nirgends"), "check"});
        QCOMPARE(missing.code, 3);
        QVERIFY2(missing.err.contains(QStringLiteral("nirgends“ gibt es nicht")), qPrintable(missing.err));

        const QString folder = copyOfData(QStringLiteral("gesperrt"));
        const NoAccess locked(folder + QStringLiteral("taubenstamm.dat"), NoAccess::What::ReadFile);
        QVERIFY(locked.works());
        const Outcome unreadable = runWith({"--data", folder, "check"});
        QCOMPARE(unreadable.code, 3);
        QVERIFY2(unreadable.err.contains(QStringLiteral("kann aber nicht gelesen werden")), qPrintable(unreadable.err));
        QVERIFY(!unreadable.err.contains(QStringLiteral("beschädigt")));
    }

    // A save of the running program stopped between its renames: the stock file is aside, none in
    // its place. The export reads the stock the next start will put back, and changes nothing.
    void aSaveStoppedBetweenItsRenamesIsReadAsTheRepairWillLeaveIt()
    {
        const QString folder = copyOfData(QStringLiteral("unterbrochen-gespeichert"));
        QVERIFY(QFile::rename(folder + QStringLiteral("taubenstamm.dat"),
                              folder + QStringLiteral("taubenstamm.dat.avelor-tmp-old")));
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        const Outcome found = runWith({"--data", folder, "inbreeding", "HAHN"});
        QVERIFY2(found.code == 0, qPrintable(found.err));
        QVERIFY(found.out.startsWith(QStringLiteral("HAHN\t")));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    }

    // Records that cannot be read fail every command that shows them, with the reason; the
    // commands that need none go on. A lock is waited on for about a second.
    void recordsThatCannotBeReadFailTheCommandsThatNeedThem()
    {
        const QString csv = m_dir.path() + QStringLiteral("/bestand.csv");
        const QString pdf = m_dir.path() + QStringLiteral("/nachweis.pdf");
        auto expectRefused = [&](const QString& folder, const QString& reason) {
            for (const QStringList& call :
                 {QStringList {"shows"}, QStringList {"sales"}, QStringList {"check"}, QStringList {"location"},
                  QStringList {"rings"}, QStringList {"csv", "stock", "-o", csv},
                  QStringList {"colours", "--pair", "HAHN", "HENNE"}}) {
                const Outcome outcome = runWith(QStringList {"--data", folder} + call);
                QVERIFY2(outcome.code == 3, qPrintable(call.join(' ') + ": " + outcome.err));
                QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
                QVERIFY(outcome.out.isEmpty());
                QVERIFY(!QFile::exists(csv));
            }
            QCOMPARE(runWith({"--data", folder, "pedigree", kSampleSubject, "-o", pdf}).code, 0);
        };

        const QString damaged = copyOfData(QStringLiteral("beschaedigt"));
        put(damaged + QStringLiteral("zusatzdaten.db"), QByteArray(8192, 'x'));
        expectRefused(damaged, QStringLiteral("beschädigt"));

        const QString locked = copyOfData(QStringLiteral("belegt"));
        sqlite3* other = nullptr;
        sqlite3_open(QFile::encodeName(locked + QStringLiteral("zusatzdaten.db")).constData(), &other);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QElapsedTimer waited;
        waited.start();
        const Outcome shows = runWith({"--data", locked, "shows"});
        QVERIFY(waited.elapsed() < 2500);
        QCOMPARE(shows.code, 3);
        QVERIFY(shows.err.contains(QStringLiteral("gerade von einem anderen Programm benutzt")));
        sqlite3_close(other);

        // Killed in the middle of a change, the program leaves a journal that only it may take
        // back: the reader says so and leaves it, and calls nothing damaged.
        const QString interrupted = copyOfData(QStringLiteral("unterbrochen"));
        {
            sqlite3* writer = nullptr;
            const QString file = m_folder + QStringLiteral("zusatzdaten.db");
            sqlite3_open(QFile::encodeName(file).constData(), &writer);
            sqlite3_exec(writer,
                         "PRAGMA cache_size = 1; BEGIN; INSERT INTO bird VALUES ('X'); "
                         "INSERT INTO show_result (ring, date, show, half_points) SELECT 'X', '2026-01-01', "
                         "hex(randomblob(500)), 100 FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT "
                         "i + 1 FROM n WHERE i < 2000) SELECT i FROM n)",
                         nullptr, nullptr, nullptr);
            QVERIFY(QFile::exists(file + QStringLiteral("-journal")));
            for (const QString& name : {QStringLiteral("zusatzdaten.db"), QStringLiteral("zusatzdaten.db-journal")}) {
                QFile::remove(interrupted + name);
                QVERIFY(QFile::copy(m_folder + name, interrupted + name));
            }
            sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(writer);
        }
        const QByteArray journal = contents(interrupted + QStringLiteral("zusatzdaten.db-journal"));
        expectRefused(interrupted, QStringLiteral("mitten in einer Änderung verlassen"));
        QCOMPARE(contents(interrupted + QStringLiteral("zusatzdaten.db-journal")), journal);
        QVERIFY(QDir(interrupted).entryList({QStringLiteral("*beschaedigt*")}).isEmpty());
        // The program takes the change back, and the reader then reads the records as they were.
        {
            RecordsDatabase program;
            QVERIFY(program.open(interrupted + QStringLiteral("zusatzdaten.db"), RecordsDatabase::Access::Owner)
                        .message.isEmpty());
            QCOMPARE(program.allShowResults().size(), size_t(1));
        }
        QCOMPARE(runWith({"--data", interrupted, "shows"}).code, 0);
    }

private:
    QString copyOfData(const QString& name)
    {
        const QString folder = m_dir.path() + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(folder);
        for (const QString& file : QDir(m_folder).entryList(QDir::Files))
            QFile::copy(m_folder + file, folder + file);
        return folder;
    }

    QTemporaryDir m_dir;
    QString m_folder;
};

QTEST_MAIN(TestExportCalls)
#include "TestExportCalls.moc"
