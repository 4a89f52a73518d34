#include "core/records/RecordsCheck.h"

#include "core/files/SafeWrite.h"
#include "core/records/RecordsSchema.h"
#include "core/records/SqlStatement.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <cerrno>

namespace {

using Verdict = RecordsCheck::Verdict;

// Only SQLite's own word that the bytes are wrong makes a file damaged; a
// lock, the system's refusal or anything unknown leaves it alone.
RecordsCheck fromError(sqlite3* db)
{
    const int code = sqlite3_extended_errcode(db);
    Verdict verdict = Verdict::Unreadable;
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        verdict = Verdict::Locked;
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        verdict = Verdict::Damaged;
        break;
    case SQLITE_READONLY:
        verdict = code == SQLITE_READONLY_ROLLBACK ? Verdict::Interrupted : Verdict::Unreadable;
        break;
    default:
        break;
    }
    return {verdict, 0, sqliteError(db)};
}

} // namespace

RecordsCheck checkRecordsHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Verdict::Unreadable, 0, fileErrorText(file.error(), file.errorString(), errno)};
    const QByteArray header = file.read(100);
    if (file.error() != QFileDevice::NoError)
        return {Verdict::Unreadable, 0, fileErrorText(file.error(), file.errorString(), errno)};
    if (header.isEmpty())
        return {Verdict::Empty, 0, {}};
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return {Verdict::Damaged, 0,
                QCoreApplication::translate("RecordsCheck", "die Datei ist keine SQLite-Datenbank")};
    return {};
}

RecordsCheck checkRecords(sqlite3* db, bool forWriting)
{
    RecordsCheck check;
    bool readable = false;
    check.version = schemaVersionOf(db, &readable);
    if (!readable)
        return fromError(db);
    if (check.version < 0 || check.version > kRecordsSchemaVersion) {
        check.verdict = Verdict::UnknownVersion;
        check.detail = check.version > kRecordsSchemaVersion
            ? QCoreApplication::translate("RecordsCheck", "sie stammt von einer neueren Avelor-Version (Version %1)")
                  .arg(check.version)
            : QCoreApplication::translate("RecordsCheck", "sie gibt eine Version an, die es nicht gibt (%1)")
                  .arg(check.version);
        return check;
    }
    if (const QString difference = schemaDifference(db, check.version, &readable); !difference.isEmpty()) {
        if (!readable)
            return fromError(db);
        check.verdict = Verdict::Foreign;
        check.detail = difference;
        return check;
    }
    // The full check: the quick one misses an index that no longer matches its table.
    SqlStatement integrity(db, "PRAGMA integrity_check(20)");
    QStringList findings;
    while (integrity.next())
        findings << integrity.text(0);
    if (integrity.failed())
        return fromError(db);
    if (findings != QStringList {QStringLiteral("ok")}) {
        check.verdict = Verdict::Damaged;
        check.detail = QCoreApplication::translate("RecordsCheck", "die Prüfung der Datenbank meldet: %1")
                           .arg(findings.join(QStringLiteral("; ")));
        return check;
    }
    if (forWriting) {
        // A change must be possible too: another program writing would make every one fail.
        if (!runSql(db, "BEGIN IMMEDIATE"))
            return fromError(db);
        runSql(db, "ROLLBACK");
    }
    return check;
}
