#pragma once

#include <QString>

struct sqlite3;

// The tables of the records file. Version 1 held whereabouts and show
// results, version 2 added the colour factors, version 3 the places and the
// ring deliveries, version 4 the shows entered and their entries.
constexpr int kRecordsSchemaVersion = 4;

// The version a file says it has; *readable is false when it could not be read.
int schemaVersionOf(sqlite3* db, bool* readable);
// Brings a file of a known version up to kRecordsSchemaVersion, one
// transaction a step, so an interrupted update leaves a file of some whole
// version. False with the German reason.
bool migrateSchema(sqlite3* db, QString& problem);
// How the tables, columns and indexes of a file differ from those of
// `version` as this program makes them: empty when they are the same.
// *readable is false when the file's own schema could not be read.
QString schemaDifference(sqlite3* db, int version, bool* readable);
