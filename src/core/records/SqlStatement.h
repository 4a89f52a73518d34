#pragma once

#include <QString>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement, finalised when it goes. Texts are UTF-8.
class SqlStatement
{
public:
    SqlStatement(sqlite3* db, const char* sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool prepared() const { return m_statement != nullptr; }
    // Not prepared, or a step ended in an error rather than with the last row.
    bool failed() const { return !m_statement || m_failed; }

    // Parameters count from 1.
    SqlStatement& bind(int index, const QString& text);
    SqlStatement& bind(int index, qint64 number);
    SqlStatement& bind(int index, std::optional<qint64> number); // nothing binds NULL

    // True while a row is there; done() tells whether the statement ran to its end.
    bool next();
    bool done() const { return m_done; }
    // Runs a statement that returns no rows; true when it succeeded.
    bool run();

    QString text(int column) const;
    qint64 number(int column) const;
    bool isNull(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    bool m_done = false;
    bool m_failed = false;
};

// A file name as SQLite takes it: UTF-8 on every system (on Windows it converts it itself).
QByteArray sqliteFileName(const QString& path);
// A path as the records' messages name it: in the system's form, in German quotes.
QString quotedPath(const QString& path);

// Runs SQL that returns no rows; true when all of it succeeded.
bool runSql(sqlite3* db, const char* sql);
// The last error of a connection in German, with SQLite's own words after it.
QString sqliteError(sqlite3* db);
// The same for a result code, where no connection holds it.
QString sqliteErrorOf(int resultCode, const char* detail = nullptr);

// Copies every page of one database into another in one step (SQLite's
// backup), within one transaction of the target: empty, or the German reason.
QString copyDatabase(sqlite3* from, sqlite3* to);

// One change: everything in it is stored together or not at all. Rolled back
// unless committed.
class SqlTransaction
{
public:
    explicit SqlTransaction(sqlite3* db);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    bool open() const { return m_open; }
    bool commit();

private:
    sqlite3* m_db;
    bool m_open;
};
