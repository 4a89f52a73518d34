#pragma once

#include <QString>

struct sqlite3;

// What a records file turned out to be when it was opened: the one place
// that decides whether the program reads it, leaves it alone or sets it aside.
struct RecordsCheck
{
    enum class Verdict
    {
        Sound, // ours, readable, of this version or an older one
        Empty, // a file of no bytes: a new file, as SQLite leaves it when made
        Locked, // another program holds it: refused for now, untouched
        Unreadable, // the system refuses to read it (permissions, a failing disk): untouched
        Interrupted, // a change was interrupted, and only a writer can take it back: untouched
        UnknownVersion, // a newer version, or one that cannot be: untouched
        Foreign, // a database, but not with our tables and columns: untouched
        Damaged, // not a database, or corrupt by SQLite's own full check: set aside
    };
    Verdict verdict = Verdict::Sound;
    int version = 0;
    QString detail; // German: what was found

    bool usable() const { return verdict == Verdict::Sound || verdict == Verdict::Empty; }
};

// Looks at the first bytes: a short file or one that is no SQLite database is
// damaged (SQLite itself would take a file of one byte for a new one).
RecordsCheck checkRecordsHeader(const QString& path);

// Version, tables and columns, and SQLite's full integrity check, through an
// open connection; with `forWriting`, also whether a change could be made now.
RecordsCheck checkRecords(sqlite3* db, bool forWriting);
