#include "core/records/RecordsDatabase.h"

#include "core/files/FileSystem.h"
#include "core/files/SafeWrite.h"
#include "core/records/RecordsCheck.h"
#include "core/records/RecordsSchema.h"
#include "core/records/SqlStatement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

// Copies of the records file for backups, and a restore from one.

QString RecordsDatabase::copyTo(const QString& path) const
{
    const QString what
        = QCoreApplication::translate("RecordsCopies", "Die Kopie der Zusatzdaten %1").arg(quotedPath(path));
    if (!m_db)
        return failure(what);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString problem;
    const QString aside = makeTemporaryBeside(path, problem);
    if (aside.isEmpty())
        return QCoreApplication::translate("RecordsCopies", "%1 konnte nicht angelegt werden: %2").arg(what, problem);
    sqlite3* copy = nullptr;
    const QByteArray file = sqliteFileName(aside);
    if (sqlite3_open_v2(file.constData(), &copy, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        runSql(copy, "PRAGMA synchronous = FULL");
        problem = copyDatabase(m_db, copy);
    } else {
        problem = sqliteError(copy);
    }
    if (sqlite3_close(copy) != SQLITE_OK && problem.isEmpty())
        problem = QCoreApplication::translate("RecordsCopies", "die Datei ließ sich nicht schließen");
    if (!problem.isEmpty()) {
        QFile::remove(aside);
        return QCoreApplication::translate("RecordsCopies", "%1 konnte nicht geschrieben werden: %2")
            .arg(what, problem);
    }
    if (const int failed = FileSystem::replace(aside, path); failed != 0) {
        QFile::remove(aside);
        return QCoreApplication::translate("RecordsCopies", "%1 konnte nicht geschrieben werden: %2")
            .arg(what, fileErrorText(QFileDevice::RenameError, QString(), failed));
    }
    return {};
}

QString RecordsDatabase::checkCopy(const QString& path)
{
    if (const RecordsCheck header = checkRecordsHeader(path); !header.usable())
        return QCoreApplication::translate("RecordsCopies", "Die Zusatzdaten in %1 können nicht gelesen werden (%2).")
            .arg(quotedPath(path), header.detail);
    sqlite3* copy = nullptr;
    QString problem;
    if (sqlite3_open_v2(sqliteFileName(path).constData(), &copy, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        problem = sqliteError(copy);
    } else {
        sqlite3_extended_result_codes(copy, 1);
        sqlite3_busy_timeout(copy, kReaderWaitMs);
        const RecordsCheck check = checkRecords(copy, false);
        if (!check.usable())
            problem = check.detail;
    }
    sqlite3_close(copy);
    if (problem.isEmpty())
        return {};
    return QCoreApplication::translate("RecordsCopies", "Die Zusatzdaten in %1 können nicht gelesen werden (%2).")
        .arg(quotedPath(path), problem);
}

QString RecordsDatabase::replaceFrom(const QString& path)
{
    if (QString refused = checkCopy(path); !refused.isEmpty())
        return refused;
    const QString what = QCoreApplication::translate("RecordsCopies", "Das Zurückholen der Zusatzdaten");
    if (!m_db)
        return failure(what);
    sqlite3* copy = nullptr;
    QString problem;
    if (sqlite3_open_v2(sqliteFileName(path).constData(), &copy, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        problem = copyDatabase(copy, m_db);
    } else {
        problem = sqliteError(copy);
    }
    sqlite3_close(copy);
    if (problem.isEmpty() && !migrateSchema(m_db, problem))
        problem = QCoreApplication::translate("RecordsCopies", "Aktualisierung fehlgeschlagen: %1").arg(problem);
    if (!problem.isEmpty())
        return QCoreApplication::translate("RecordsCopies", "%1 ist fehlgeschlagen: %2").arg(what, problem);
    return {};
}
