#include "core/records/RecordsSchema.h"

#include "core/records/SqlStatement.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <vector>

#include <sqlite3.h>

#include <iterator>

namespace {

// Migration k takes a file of version k to version k + 1. Published migrations never change.
const char* const kMigrations[] = {
    // 0 -> 1: whereabouts and show results, each row belonging to a ring. A ring
    // renamed or removed in the bird table takes its rows along.
    R"sql(
    CREATE TABLE bird (ring TEXT PRIMARY KEY NOT NULL) WITHOUT ROWID;
    CREATE TABLE whereabouts (
        ring TEXT PRIMARY KEY NOT NULL REFERENCES bird(ring) ON UPDATE CASCADE ON DELETE CASCADE,
        status INTEGER NOT NULL CHECK (status BETWEEN 0 AND 4),
        date TEXT NOT NULL DEFAULT '',
        buyer_name TEXT NOT NULL DEFAULT '',
        buyer_address TEXT NOT NULL DEFAULT '',
        price_cents INTEGER CHECK (price_cents IS NULL OR price_cents >= 0),
        note TEXT NOT NULL DEFAULT ''
    ) WITHOUT ROWID;
    CREATE TABLE show_result (
        id INTEGER PRIMARY KEY,
        ring TEXT NOT NULL REFERENCES bird(ring) ON UPDATE CASCADE ON DELETE CASCADE,
        date TEXT NOT NULL,
        show TEXT NOT NULL,
        class TEXT NOT NULL DEFAULT '',
        half_points INTEGER NOT NULL CHECK (half_points BETWEEN 0 AND 200),
        award TEXT NOT NULL DEFAULT '',
        collection INTEGER CHECK (collection IS NULL OR collection > 0)
    );
    CREATE INDEX show_result_by_ring ON show_result(ring);
    CREATE INDEX show_result_by_show ON show_result(show, date);
    )sql",
    // 1 -> 2: the colour factors entered for a bird; a factor not entered has no row.
    R"sql(
    CREATE TABLE colour_factor (
        ring TEXT NOT NULL REFERENCES bird(ring) ON UPDATE CASCADE ON DELETE CASCADE,
        factor TEXT NOT NULL,
        state INTEGER NOT NULL CHECK (state BETWEEN 1 AND 4),
        PRIMARY KEY (ring, factor)
    ) WITHOUT ROWID;
    )sql",
    // 2 -> 3: where each bird was put and when (the latest move is where it sits), and
    // the club rings delivered for a year, a range of numbers after the breeder's prefix.
    R"sql(
    CREATE TABLE location_move (
        id INTEGER PRIMARY KEY,
        ring TEXT NOT NULL REFERENCES bird(ring) ON UPDATE CASCADE ON DELETE CASCADE,
        date TEXT NOT NULL,
        location TEXT NOT NULL
    );
    CREATE INDEX location_move_by_ring ON location_move(ring, date, id);
    CREATE TABLE ring_delivery (
        id INTEGER PRIMARY KEY,
        year INTEGER NOT NULL CHECK (year BETWEEN 1900 AND 9999),
        club TEXT NOT NULL DEFAULT '',
        size TEXT NOT NULL DEFAULT '',
        colour TEXT NOT NULL DEFAULT '',
        prefix TEXT NOT NULL DEFAULT '',
        first_number INTEGER NOT NULL CHECK (first_number >= 0),
        last_number INTEGER NOT NULL CHECK (last_number >= first_number AND last_number - first_number < 100000),
        digits INTEGER NOT NULL CHECK (digits BETWEEN 1 AND 18)
    );
    )sql",
    // 3 -> 4: the shows a breeder enters birds for, and the entries: single birds
    // and collections, each with its class; the points once judged, and whether
    // they became the bird's show result. A show deleted takes its entries along.
    R"sql(
    CREATE TABLE show_event (
        id INTEGER PRIMARY KEY,
        name TEXT NOT NULL,
        place TEXT NOT NULL DEFAULT '',
        date TEXT NOT NULL DEFAULT '',
        closing_date TEXT NOT NULL DEFAULT '',
        organiser TEXT NOT NULL DEFAULT '',
        collection_rule INTEGER NOT NULL DEFAULT 0 CHECK (collection_rule BETWEEN 0 AND 3)
    );
    CREATE TABLE show_entry (
        id INTEGER PRIMARY KEY,
        show_id INTEGER NOT NULL REFERENCES show_event(id) ON DELETE CASCADE,
        ring TEXT NOT NULL REFERENCES bird(ring) ON UPDATE CASCADE ON DELETE CASCADE,
        class TEXT NOT NULL DEFAULT '',
        collection INTEGER CHECK (collection IS NULL OR collection > 0),
        cage_number INTEGER CHECK (cage_number IS NULL OR cage_number > 0),
        half_points INTEGER CHECK (half_points IS NULL OR half_points BETWEEN 0 AND 200),
        award TEXT NOT NULL DEFAULT '',
        transferred INTEGER NOT NULL DEFAULT 0 CHECK (transferred IN (0, 1))
    );
    CREATE INDEX show_entry_by_show ON show_entry(show_id, id);
    CREATE INDEX show_entry_by_ring ON show_entry(ring);
    )sql",
};
static_assert(std::size(kMigrations) == kRecordsSchemaVersion);

} // namespace

int schemaVersionOf(sqlite3* db, bool* readable)
{
    SqlStatement version(db, "PRAGMA user_version");
    *readable = version.next();
    return *readable ? int(version.number(0)) : -1;
}

bool migrateSchema(sqlite3* db, QString& problem)
{
    bool readable = false;
    const int found = schemaVersionOf(db, &readable);
    if (!readable) {
        problem = sqliteError(db);
        return false;
    }
    if (found < 0 || found > kRecordsSchemaVersion) {
        problem = QCoreApplication::translate("RecordsSchema", "unbekannte Version %1").arg(found);
        return false;
    }
    for (int version = found; version < kRecordsSchemaVersion; ++version) {
        SqlTransaction step(db);
        const QByteArray setVersion = "PRAGMA user_version = " + QByteArray::number(version + 1);
        if (!step.open() || !runSql(db, kMigrations[version]) || !runSql(db, setVersion.constData())
            || !step.commit()) {
            problem = sqliteError(db);
            return false;
        }
    }
    return true;
}

namespace {

// The tables and indexes of a database, each as "type name definition", and every table's
// columns. The definition counts too: a reference, a check or a unique index altered with the
// names kept would refuse the breeder's changes later. Runs of white space are one space, so
// only the statement's words count, never how it was indented.
QStringList schemaOf(sqlite3* db, bool& readable)
{
    QStringList found;
    SqlStatement objects(db,
                         "SELECT type, name, ifnull(sql, '') FROM sqlite_schema "
                         "WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, name");
    QStringList tables;
    while (objects.next()) {
        found << objects.text(0) + QLatin1Char(' ') + objects.text(1) + QLatin1Char(' ') + objects.text(2).simplified();
        if (objects.text(0) == QLatin1String("table"))
            tables << objects.text(1);
    }
    readable = !objects.failed();
    for (const QString& table : tables) {
        SqlStatement columns(db,
                             "SELECT name, type, \"notnull\", ifnull(dflt_value, ''), pk FROM pragma_table_info(?)");
        columns.bind(1, table);
        while (columns.next()) {
            found << QStringLiteral("column %1.%2 %3 notnull=%4 default=%5 key=%6")
                         .arg(table, columns.text(0), columns.text(1), columns.text(2), columns.text(3),
                              columns.text(4));
        }
        readable = readable && !columns.failed();
    }
    return found;
}

QString describe(const QString& entry)
{
    const QStringList words = entry.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("table"))
        return QCoreApplication::translate("RecordsSchema", "Tabelle „%1“").arg(words.value(1));
    if (words[0] == QLatin1String("index"))
        return QCoreApplication::translate("RecordsSchema", "Index „%1“").arg(words.value(1));
    if (words[0] == QLatin1String("column"))
        return QCoreApplication::translate("RecordsSchema", "Spalte „%1“").arg(words.value(1));
    return QStringLiteral("„%1“").arg(words.value(1));
}

// The schema of every version as the migrations make it, built once in memory.
const std::vector<QStringList>& schemasByVersion()
{
    static const std::vector<QStringList> schemas = [] {
        std::vector<QStringList> built;
        sqlite3* reference = nullptr;
        sqlite3_open_v2(":memory:", &reference, SQLITE_OPEN_READWRITE, nullptr);
        for (int version = 0; version <= kRecordsSchemaVersion; ++version) {
            bool readable = false;
            if (version > 0 && !runSql(reference, kMigrations[version - 1]))
                break;
            const QStringList schema = schemaOf(reference, readable);
            if (!readable)
                break;
            built.push_back(schema);
        }
        sqlite3_close(reference);
        return built;
    }();
    return schemas;
}

} // namespace

QString schemaDifference(sqlite3* db, int version, bool* fileReadable)
{
    *fileReadable = true;
    if (version < 0 || version > kRecordsSchemaVersion)
        return QCoreApplication::translate("RecordsSchema", "unbekannte Version %1").arg(version);
    if (size_t(version) >= schemasByVersion().size())
        return QCoreApplication::translate("RecordsSchema", "der Aufbau der Version %1 ließ sich nicht herstellen")
            .arg(version);
    const QStringList& expected = schemasByVersion()[size_t(version)];
    bool readable = false;
    const QStringList actual = schemaOf(db, readable);
    if (!readable) {
        *fileReadable = false;
        return sqliteError(db);
    }
    for (const QString& entry : actual) {
        if (!expected.contains(entry))
            return QCoreApplication::translate("RecordsSchema", "%1 gehört nicht zu Version %2 der Zusatzdaten")
                .arg(describe(entry))
                .arg(version);
    }
    for (const QString& entry : expected) {
        if (!actual.contains(entry))
            return QCoreApplication::translate("RecordsSchema", "%1 fehlt").arg(describe(entry));
    }
    return {};
}
