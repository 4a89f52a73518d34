#include "core/records/SqlStatement.h"

#include <QCoreApplication>
#include <QDir>

#include <sqlite3.h>

namespace {

// The last step that failed on each thread: a statement finalised after it
// (one that succeeded) sets its connection's error back to "not an error".
struct StepFailure
{
    sqlite3* db = nullptr;
    int code = SQLITE_OK;
    QByteArray message;
};
thread_local StepFailure t_lastFailure;

} // namespace

SqlStatement::SqlStatement(sqlite3* db, const char* sql)
{
    if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
        m_statement = nullptr;
}

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(m_statement);
}

SqlStatement& SqlStatement::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (m_statement)
        sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqlStatement& SqlStatement::bind(int index, qint64 number)
{
    if (m_statement)
        sqlite3_bind_int64(m_statement, index, number);
    return *this;
}

SqlStatement& SqlStatement::bind(int index, std::optional<qint64> number)
{
    if (!m_statement)
        return *this;
    if (number)
        sqlite3_bind_int64(m_statement, index, *number);
    else
        sqlite3_bind_null(m_statement, index);
    return *this;
}

bool SqlStatement::next()
{
    if (!m_statement || m_done || m_failed)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    m_done = result == SQLITE_DONE;
    m_failed = !m_done;
    if (m_failed) {
        sqlite3* db = sqlite3_db_handle(m_statement);
        t_lastFailure = {db, sqlite3_extended_errcode(db), QByteArray(sqlite3_errmsg(db))};
    }
    return false;
}

bool SqlStatement::run()
{
    while (next()) { }
    return m_done;
}

QString SqlStatement::text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column)) : QString();
}

qint64 SqlStatement::number(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

bool SqlStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

bool runSql(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString sqliteErrorOf(int resultCode, const char* detail)
{
    const char* german = nullptr;
    switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        german = QT_TRANSLATE_NOOP("SqlStatement", "die Datei wird gerade von einem anderen Programm benutzt");
        break;
    case SQLITE_READONLY:
        german = (resultCode == SQLITE_READONLY_ROLLBACK)
            ? QT_TRANSLATE_NOOP("SqlStatement", "eine unterbrochene Änderung wartet darauf, zurückgenommen zu werden")
            : QT_TRANSLATE_NOOP("SqlStatement", "die Datei darf nicht geändert werden");
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        german = QT_TRANSLATE_NOOP("SqlStatement", "keine Berechtigung");
        break;
    case SQLITE_CANTOPEN:
        german = QT_TRANSLATE_NOOP("SqlStatement", "die Datei kann nicht geöffnet werden");
        break;
    case SQLITE_IOERR:
        german = QT_TRANSLATE_NOOP("SqlStatement", "Lese- oder Schreibfehler des Datenträgers");
        break;
    case SQLITE_FULL:
        german = QT_TRANSLATE_NOOP("SqlStatement", "der Datenträger ist voll");
        break;
    case SQLITE_CORRUPT:
        german = QT_TRANSLATE_NOOP("SqlStatement", "die Datei ist beschädigt");
        break;
    case SQLITE_NOTADB:
        german = QT_TRANSLATE_NOOP("SqlStatement", "die Datei ist keine Datenbank");
        break;
    case SQLITE_NOMEM:
        german = QT_TRANSLATE_NOOP("SqlStatement", "nicht genug Arbeitsspeicher");
        break;
    case SQLITE_CONSTRAINT:
        german = QT_TRANSLATE_NOOP("SqlStatement", "ein Wert verletzt eine Regel der Datenbank");
        break;
    case SQLITE_ERROR:
        german = QT_TRANSLATE_NOOP("SqlStatement", "die Datenbank hat einen Fehler gemeldet");
        break;
    default:
        german = QT_TRANSLATE_NOOP("SqlStatement", "Fehler der Datenbank");
        break;
    }
    const QString english = QString::fromUtf8(detail ? detail : sqlite3_errstr(resultCode));
    //: %1 is the reason in words, %2 the database's own English message
    return QCoreApplication::translate("SqlStatement", "%1 (SQLite: %2)")
        .arg(QCoreApplication::translate("SqlStatement", german), english);
}

QString sqliteError(sqlite3* db)
{
    if (!db)
        return sqliteErrorOf(SQLITE_NOMEM);
    const int code = sqlite3_extended_errcode(db);
    if (code == SQLITE_OK && t_lastFailure.db == db && t_lastFailure.code != SQLITE_OK)
        return sqliteErrorOf(t_lastFailure.code, t_lastFailure.message.constData());
    return sqliteErrorOf(code, sqlite3_errmsg(db));
}

SqlTransaction::SqlTransaction(sqlite3* db) : m_db(db), m_open(db && runSql(db, "BEGIN IMMEDIATE")) { }

SqlTransaction::~SqlTransaction()
{
    if (m_open)
        runSql(m_db, "ROLLBACK");
}

bool SqlTransaction::commit()
{
    m_open = !runSql(m_db, "COMMIT");
    return !m_open;
}

QByteArray sqliteFileName(const QString& path)
{
    return QDir::toNativeSeparators(path).toUtf8();
}

QString quotedPath(const QString& path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

QString copyDatabase(sqlite3* from, sqlite3* to)
{
    QString problem;
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup || sqlite3_backup_step(backup, -1) != SQLITE_DONE)
        problem = sqliteError(to);
    const int finished = sqlite3_backup_finish(backup);
    if (problem.isEmpty() && finished != SQLITE_OK)
        problem = sqliteError(to);
    return problem;
}
