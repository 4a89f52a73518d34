// The records file in every bad state it can be found in: the program opens
// it, refuses it untouched, or (only when SQLite finds it damaged) sets it
// aside whole; it never guesses and never crashes.
#include "core/records/RecordsDatabase.h"
#include "support/FileHelpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <climits>

namespace {

using Access = RecordsDatabase::Access;

// A connection of another program, closed when it goes.
class OtherProgram
{
public:
    explicit OtherProgram(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~OtherProgram() { sqlite3_close(m_db); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    void run(const char* sql) { QCOMPARE(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), SQLITE_OK); }
    sqlite3* db() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

struct Contents
{
    std::vector<Whereabouts> whereabouts;
    std::vector<ShowResult> shows;
    QHash<QString, FactorStates> factors;
    bool operator==(const Contents&) const = default;
};

Contents contentsOf(const RecordsDatabase& db)
{
    return {db.allWhereabouts(), db.allShowResults(), db.allColourFactors()};
}

QStringList asideOf(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("zusatzdaten.db.beschaedigt-*")}, QDir::Files);
}

} // namespace

class TestRecordsFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_folder = m_dir->path() + QLatin1Char('/');
        m_path = m_folder + QStringLiteral("zusatzdaten.db");
    }

    // A version that is not one this program knows, negative ones included (one flipped bit
    // of the header), is refused and the file stays as it was.
    void unknownVersionsAreRefusedUntouched()
    {
        makeSoundFile();
        for (const int version : {-1, -7, INT_MIN, RecordsDatabase::kSchemaVersion + 1, INT_MAX}) {
            {
                OtherProgram other(m_path);
                other.run(QByteArray("PRAGMA user_version = " + QByteArray::number(version)).constData());
            }
            const QByteArray before = contents(m_path);
            for (const Access access : {Access::Owner, Access::ReadOnly}) {
                RecordsDatabase db;
                const auto opened = db.open(m_path, access);
                QVERIFY(!opened.available);
                QVERIFY2(opened.message.contains(version > 0 ? QStringLiteral("neueren Avelor-Version")
                                                             : QStringLiteral("Version an, die es nicht gibt")),
                         qPrintable(opened.message));
                QVERIFY(!db.setWhereabouts(sold("X")).isEmpty());
                QCOMPARE(contents(m_path), before);
                QVERIFY(asideOf(m_folder).isEmpty());
            }
        }
    }

    // Another program writing is waited for briefly, then the file is refused, never set aside;
    // the same for a file this program may not read.
    void aLockedOrUnreadableFileIsRefusedUntouched()
    {
        makeSoundFile();
        {
            OtherProgram other(m_path);
            other.run("BEGIN IMMEDIATE; INSERT INTO bird VALUES ('ANDERES')"); // about to write
            QElapsedTimer waited;
            waited.start();
            RecordsDatabase db;
            const auto opened = db.open(m_path, Access::Owner);
            QVERIFY(!opened.available);
            QVERIFY2(opened.message.contains(QStringLiteral("gerade von einem anderen Programm benutzt")),
                     qPrintable(opened.message));
            QVERIFY(waited.elapsed() < 4000);

            other.run("INSERT INTO bird VALUES ('NOCH-EINS')");
            sqlite3_exec(other.db(), "PRAGMA cache_size = 1; COMMIT", nullptr, nullptr, nullptr);
            other.run("BEGIN EXCLUSIVE"); // writing: readers wait too
            waited.restart();
            RecordsDatabase reader;
            const auto read = reader.open(m_path, Access::ReadOnly);
            QVERIFY(!read.available);
            QVERIFY(read.message.contains(QStringLiteral("gerade von einem anderen Programm benutzt")));
            QVERIFY(waited.elapsed() < 3000);
            other.run("ROLLBACK");
        }
        QVERIFY(asideOf(m_folder).isEmpty());
        QVERIFY(QFile::exists(m_path));

        const NoAccess unreadable(m_path, NoAccess::What::ReadFile);
        QVERIFY(unreadable.works());
        for (const Access access : {Access::Owner, Access::ReadOnly}) {
            RecordsDatabase db;
            const auto opened = db.open(m_path, access);
            QVERIFY(!opened.available);
            QVERIFY2(opened.message.contains(QStringLiteral("können nicht gelesen werden")),
                     qPrintable(opened.message));
            QVERIFY(!opened.message.contains(QStringLiteral("beschädigt")));
        }
        QVERIFY(asideOf(m_folder).isEmpty());
    }

    // A database of someone else's, or one whose tables or columns are not those of its version,
    // is neither read nor extended.
    void tablesThatAreNotOursAreRefused()
    {
        const QList<QByteArray> foreign = {
            "CREATE TABLE kunden (name TEXT)", // version 0, but not empty
            "PRAGMA user_version = 2", // no tables at all
            "CREATE TABLE bird (ring TEXT PRIMARY KEY NOT NULL) WITHOUT ROWID; "
            "CREATE TABLE whereabouts (ring TEXT, status INTEGER); PRAGMA user_version = 1",
        };
        for (const QByteArray& sql : foreign) {
            QFile::remove(m_path);
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(m_path).constData(), &db);
            QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
            const QByteArray before = contents(m_path);
            for (const Access access : {Access::Owner, Access::ReadOnly}) {
                RecordsDatabase records;
                const auto opened = records.open(m_path, access);
                QVERIFY2(!opened.available, sql.constData());
                QVERIFY2(opened.message.contains(QStringLiteral("enthält keine Zusatzdaten von Avelor")),
                         qPrintable(opened.message));
                QCOMPARE(contents(m_path), before);
            }
        }
        // Our own names and columns, one definition altered: a column of another kind, a
        // reference to a table that does not exist, a narrower check, an index made unique.
        // Each would refuse the breeder's next change, so the file is refused at once.
        const struct
        {
            const char* object;
            const char* ours;
            const char* altered;
            const char* named;
        } alterations[] = {
            {"whereabouts", "note TEXT NOT NULL", "note BLOB NOT NULL", "„whereabouts“"},
            {"whereabouts", "REFERENCES bird(ring)", "REFERENCES wher(ring)", "„whereabouts“"},
            {"whereabouts", "BETWEEN 0 AND 4", "BETWEEN 1 AND 4", "„whereabouts“"},
            {"show_result_by_ring", "CREATE INDEX", "CREATE UNIQUE INDEX", "„show_result_by_ring“"},
        };
        for (const auto& alteration : alterations) {
            makeSoundFile();
            {
                OtherProgram other(m_path);
                const QByteArray sql = QByteArray("PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = "
                                                  "replace(sql, '")
                    + alteration.ours + "', '" + alteration.altered + "') WHERE name = '" + alteration.object + "'";
                other.run(sql.constData());
            }
            const QByteArray before = contents(m_path);
            RecordsDatabase records;
            const auto opened = records.open(m_path, Access::Owner);
            QVERIFY2(!opened.available, alteration.altered);
            QVERIFY2(opened.message.contains(QString::fromUtf8(alteration.named)), qPrintable(opened.message));
            QCOMPARE(contents(m_path), before);
            QVERIFY(asideOf(m_folder).isEmpty());
        }
    }

    // Only what SQLite calls damaged is set aside: a file too short to be a database, one that is
    // not one, and one that passes the quick check but not the full one. A file in WAL mode
    // goes with its -wal and -shm files, which hold committed rows.
    void damagedFilesAreSetAsideWhole()
    {
        for (const QByteArray& bytes : {QByteArray("x"), QByteArray(4096, 'A')}) {
            put(m_path, bytes);
            RecordsDatabase db;
            const auto opened = db.open(m_path, Access::Owner);
            QVERIFY(opened.available);
            QVERIFY(opened.message.contains(QStringLiteral("beschädigt")));
            const QStringList aside = asideOf(m_folder);
            QCOMPARE(aside.size(), 1);
            QCOMPARE(contents(m_folder + aside[0]), bytes);
            QVERIFY(QFile::remove(m_folder + aside[0]));
        }
        // An empty file is what SQLite leaves of one it made: a new file.
        put(m_path, QByteArray());
        {
            RecordsDatabase db;
            const auto opened = db.open(m_path, Access::Owner);
            QVERIFY(opened.available && opened.message.isEmpty());
        }

        makeSoundFile();
        breakAnIndex();
        {
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(m_path).constData(), &db);
            char** rows = nullptr;
            int count = 0;
            sqlite3_get_table(db, "PRAGMA quick_check", &rows, &count, nullptr, nullptr);
            QCOMPARE(QByteArray(rows[1]), QByteArray("ok"));
            sqlite3_free_table(rows);
            sqlite3_close(db);
        }
        const QByteArray broken = contents(m_path);
        {
            RecordsDatabase reader;
            QVERIFY(!reader.open(m_path, Access::ReadOnly).available);
            QCOMPARE(contents(m_path), broken);
            RecordsDatabase db;
            const auto opened = db.open(m_path, Access::Owner);
            QVERIFY(opened.message.contains(QStringLiteral("Prüfung der Datenbank meldet")));
            QCOMPARE(contents(m_folder + asideOf(m_folder).value(0)), broken);
            QVERIFY(db.allShowResults().empty());
        }
        for (const QString& name : asideOf(m_folder))
            QFile::remove(m_folder + name);

        makeSoundFile();
        QByteArray wal;
        {
            OtherProgram other(m_path);
            sqlite3_db_config(other.db(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            other.run("PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; "
                      "INSERT INTO bird VALUES ('IM-WAL')");
        }
        wal = contents(m_path + QStringLiteral("-wal"));
        QVERIFY(!wal.isEmpty());
        QByteArray main = contents(m_path);
        main[16] = 0; // the page size: 3 is none a database can have
        main[17] = 3;
        put(m_path, main);
        RecordsDatabase db;
        const auto opened = db.open(m_path, Access::Owner);
        QVERIFY(opened.available);
        const QStringList aside = asideOf(m_folder);
        QCOMPARE(aside.size(), 3);
        const QString kept = m_folder + aside.filter(QRegularExpression("\\d$")).value(0);
        QCOMPARE(contents(kept), main);
        QCOMPARE(contents(kept + QStringLiteral("-wal")), wal);
        QVERIFY(QFile::exists(kept + QStringLiteral("-shm")));
        QVERIFY(opened.message.contains(QStringLiteral("unverändert aufbewahrt")));
        QVERIFY(!QFile::exists(m_path + QStringLiteral("-wal")));
    }

    // Every bit of the header flipped in turn: the file opens with every row it held, or is
    // refused and left as it was, or is set aside byte for byte. Nothing crashes.
    void everyFlippedHeaderBitKeepsEveryRow()
    {
        makeSoundFile();
        Contents sound;
        {
            RecordsDatabase db;
            QVERIFY(db.open(m_path, Access::Owner).message.isEmpty());
            sound = contentsOf(db);
        }
        const QByteArray original = contents(m_path);
        int opened = 0, refused = 0, setAside = 0;
        for (int bit = 0; bit < 100 * 8; ++bit) {
            QByteArray flipped = original;
            flipped[bit / 8] = char(flipped[bit / 8] ^ (1 << (bit % 8)));
            const QString path = m_folder + QStringLiteral("bit-%1/zusatzdaten.db").arg(bit);
            put(path, flipped);
            for (const Access access : {Access::ReadOnly, Access::Owner}) {
                RecordsDatabase db;
                const auto result = db.open(path, access);
                const QString where = QStringLiteral("bit %1, %2: %3")
                                          .arg(bit)
                                          .arg(access == Access::Owner ? "Owner" : "ReadOnly", result.message);
                const QStringList aside = QDir(QFileInfo(path).path()).entryList({"zusatzdaten.db.beschaedigt-*"});
                if (!aside.isEmpty()) {
                    QVERIFY2(access == Access::Owner, qPrintable(where));
                    QCOMPARE(contents(QFileInfo(path).path() + QLatin1Char('/') + aside[0]), flipped);
                    ++setAside;
                    break;
                }
                if (result.available && result.message.isEmpty()) {
                    QVERIFY2(contentsOf(db) == sound, qPrintable(where));
                    QVERIFY2(db.readProblem().isEmpty(), qPrintable(where));
                    ++opened;
                } else {
                    QVERIFY2(!result.available, qPrintable(where));
                    QCOMPARE(contents(path), flipped);
                    ++refused;
                }
            }
            QDir(QFileInfo(path).path()).removeRecursively();
        }
        qInfo("opened %d, refused %d, set aside %d", opened, refused, setAside);
    }

private:
    static Whereabouts sold(const char* ring)
    {
        Whereabouts w;
        w.ring = QString::fromLatin1(ring);
        w.status = WhereaboutsStatus::Sold;
        w.date = QDate(2026, 12, 1);
        w.buyerName = QStringLiteral("Hans Käufer");
        w.priceCents = 4550;
        return w;
    }

    // A file of this version with a few records of every kind.
    void makeSoundFile()
    {
        QFile::remove(m_path);
        RecordsDatabase db;
        QVERIFY(db.open(m_path, Access::Owner).message.isEmpty());
        for (int i = 0; i < 40; ++i) {
            const QByteArray ring = "R-" + QByteArray::number(i);
            QVERIFY(db.setWhereabouts(sold(ring.constData())).isEmpty());
            ShowResult r {0,
                          QString::fromLatin1(ring),
                          QDate(2026, 11, 14),
                          QStringLiteral("Bundesschau"),
                          QStringLiteral("Gloster"),
                          150 + i,
                          {},
                          {}};
            QVERIFY(db.addShowResult(r).isEmpty());
            QVERIFY(db.changeRecordsOf(r.ring, r.ring, {.factors = FactorStates {{"opal", FactorState::Carrier}}})
                        .isEmpty());
        }
    }

    // The rows of the show results change under their index, which keeps the old rings: the
    // quick check, which reads no index against its table, finds nothing.
    void breakAnIndex()
    {
        OtherProgram other(m_path);
        other.run("CREATE TABLE saved AS SELECT type, name, tbl_name, rootpage, sql FROM sqlite_schema "
                  "WHERE name = 'show_result_by_ring'");
        other.run("PRAGMA writable_schema = ON; DELETE FROM sqlite_schema WHERE name = 'show_result_by_ring'");
        other.run("PRAGMA writable_schema = RESET");
        other.run("UPDATE show_result SET ring = 'R-0'");
        other.run("PRAGMA writable_schema = ON; INSERT INTO sqlite_schema SELECT * FROM saved");
        other.run("DROP TABLE saved");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestRecordsFile)
#include "TestRecordsFile.moc"
