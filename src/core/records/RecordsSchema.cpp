#include "core/records/RecordsSchema.h"

#include "core/records/SqlStatement.h"

#include <QByteArray>

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
    for (int version = schemaVersionOf(db, &readable); version < kRecordsSchemaVersion; ++version) {
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

QString quickCheck(sqlite3* db)
{
    SqlStatement check(db, "PRAGMA quick_check");
    if (!check.next())
        return sqliteError(db);
    const QString answer = check.text(0);
    return answer == QLatin1String("ok") ? QString() : answer;
}
