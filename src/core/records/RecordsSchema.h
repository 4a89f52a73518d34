#pragma once

#include <QString>

struct sqlite3;

// The tables of the records file. Version 1 held whereabouts and show
// results, version 2 added the colour factors.
constexpr int kRecordsSchemaVersion = 2;

// The version a file says it has; *readable is false when it could not be read.
int schemaVersionOf(sqlite3* db, bool* readable);
// Brings a file up to kRecordsSchemaVersion, one transaction a step, so an
// interrupted update leaves a file of some whole version. False with SQLite's reason.
bool migrateSchema(sqlite3* db, QString& problem);
// SQLite's quick check: empty when the file is sound, otherwise what it found.
QString quickCheck(sqlite3* db);
