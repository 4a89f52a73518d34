// Opening the records database: creating it, bringing an older one up to
// date, and refusing or setting aside one that cannot be trusted.
#include "core/records/RecordsDatabase.h"

#include "core/records/RecordsCheck.h"
#include "core/records/RecordsSchema.h"
#include "core/records/SqlStatement.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

void configure(sqlite3* db, int waitMs)
{
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, waitMs);
    runSql(db, "PRAGMA foreign_keys = ON");
    runSql(db, "PRAGMA synchronous = FULL");
}

} // namespace

RecordsDatabase::RecordsDatabase()
{
    openInMemory();
}

void RecordsDatabase::openInMemory()
{
    close();
    QString problem;
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK
        || (configure(m_db, kOwnerWaitMs), !migrateSchema(m_db, problem)))
        close();
}

RecordsDatabase::~RecordsDatabase()
{
    close();
}

void RecordsDatabase::close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

namespace {

QString stampedAside(const QString& path, const QString& kind)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + kind + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + kind + stamp + QLatin1Char('-') + QString::number(n);
    return aside;
}

// The files SQLite keeps beside a database while it changes it.
const QString kSideFiles[] = {QStringLiteral("-wal"), QStringLiteral("-journal"), QStringLiteral("-shm")};

QString recordsIn(const QString& path)
{
    return QCoreApplication::translate("RecordsOpening",
                                       "Die Zusatzdaten (Verbleib, Ausstellungsergebnisse, Erbanlagen) in %1")
        .arg(quotedPath(path));
}

QString refusal(const QString& path, const RecordsCheck& check, RecordsDatabase::Access access)
{
    using Verdict = RecordsCheck::Verdict;
    const bool owner = access == RecordsDatabase::Access::Owner;
    const QString untouched = owner
        ? QCoreApplication::translate("RecordsOpening",
                                      " Die Datei bleibt unverändert; die Zusatzdaten sind in diesem "
                                      "Programmlauf nicht verfügbar.")
        : QCoreApplication::translate("RecordsOpening", " Die Datei bleibt unverändert.");
    switch (check.verdict) {
    case Verdict::Locked:
        return QCoreApplication::translate(
                   "RecordsOpening",
                   "%1 werden gerade von einem anderen Programm benutzt (%2).%3 Bitte beenden Sie das "
                   "andere Programm und versuchen Sie es danach noch einmal.")
            .arg(recordsIn(path), check.detail, untouched);
    case Verdict::Unreadable:
        return QCoreApplication::translate(
                   "RecordsOpening",
                   "%1 können nicht gelesen werden: %2.%3 Bitte prüfen Sie, ob Sie diese Datei lesen "
                   "und ändern dürfen (Zugriffsrechte) und ob der Datenträger in Ordnung ist.")
            .arg(recordsIn(path), check.detail, untouched);
    case Verdict::Interrupted:
        return QCoreApplication::translate(
                   "RecordsOpening",
                   "%1 wurden mitten in einer Änderung verlassen; diese Änderung nimmt Avelor beim "
                   "nächsten Start zurück.%2 Bitte starten Sie Avelor einmal und versuchen Sie es danach "
                   "noch einmal.")
            .arg(recordsIn(path), untouched);
    case Verdict::UnknownVersion:
        if (check.version > RecordsDatabase::kSchemaVersion)
            return QCoreApplication::translate(
                       "RecordsOpening",
                       "%1 stammen von einer neueren Avelor-Version. Diese Version kann sie weder lesen "
                       "noch ändern.%2 Bitte verwenden Sie die neuere Version des Programms.")
                .arg(recordsIn(path), untouched);
        return QCoreApplication::translate(
                   "RecordsOpening",
                   "%1 geben eine Version an, die es nicht gibt (%2); Avelor kann sie weder lesen noch "
                   "ändern.%3")
            .arg(recordsIn(path))
            .arg(check.version)
            .arg(untouched);
    case Verdict::Foreign:
        return QCoreApplication::translate(
                   "RecordsOpening",
                   "Die Datei %1 enthält keine Zusatzdaten von Avelor: %2.%3 Wird die Datei nicht mehr "
                   "gebraucht, benennen Sie sie um oder verschieben Sie sie; dann legt Avelor beim "
                   "nächsten Start eine neue an.")
            .arg(quotedPath(path), check.detail, untouched);
    case Verdict::Damaged:
        return QCoreApplication::translate("RecordsOpening",
                                           "%1 sind beschädigt und konnten nicht gelesen werden (%2).")
            .arg(recordsIn(path), check.detail);
    case Verdict::Sound:
    case Verdict::Empty:
        break;
    }
    return {};
}

} // namespace

RecordsDatabase::OpenResult RecordsDatabase::open(const QString& path, Access access)
{
    using Verdict = RecordsCheck::Verdict;
    close();
    m_path = path;
    m_readProblem.clear();
    const bool owner = access == Access::Owner;
    if (!QFileInfo::exists(path)) {
        if (!owner) {
            openInMemory(); // nothing recorded yet
            return {};
        }
        return create(path, QString());
    }
    RecordsCheck check = checkRecordsHeader(path);
    if (check.verdict == Verdict::Sound) {
        const int flags = owner ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
        if (sqlite3_open_v2(sqliteFileName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            check = {Verdict::Unreadable, 0, sqliteError(m_db)};
        } else {
            configure(m_db, owner ? kOwnerWaitMs : kReaderWaitMs);
            check = checkRecords(m_db, owner);
        }
    }
    switch (check.verdict) {
    case Verdict::Empty:
        // No bytes: what SQLite leaves of a file it made and never wrote to.
        close();
        if (!owner) {
            openInMemory();
            return {};
        }
        return create(path, QString());
    case Verdict::Sound:
        if (check.version < kSchemaVersion)
            return bringUpToDate(path, access);
        return {};
    case Verdict::Damaged:
        break;
    default:
        close();
        return {false, refusal(path, check, access)};
    }

    QString text = refusal(path, check, access);
    if (!owner) {
        close();
        return {false, text};
    }
    // Set aside, never overwritten: the breeder or a helper may still rescue what it holds. The
    // files SQLite keeps beside it hold committed changes too and go along, first, so that no
    // new file could ever meet them.
    if (m_db)
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    close();
    const QString aside = stampedAside(path, QStringLiteral(".beschaedigt-"));
    bool allMoved = true;
    for (const QString& side : kSideFiles) {
        if (QFileInfo::exists(path + side))
            allMoved = QFile::rename(path + side, aside + side) && allMoved;
    }
    if (!allMoved || !QFile::rename(path, aside)) {
        return {false,
                text
                    + QCoreApplication::translate("RecordsOpening",
                                                  "\n\nDie Datei konnte nicht beiseitegelegt werden; die Zusatzdaten "
                                                  "sind in diesem Programmlauf nicht verfügbar.")};
    }
    text += QCoreApplication::translate(
                "RecordsOpening",
                "\n\nDie Datei wurde unverändert aufbewahrt als %1. Das Programm beginnt mit leeren "
                "Zusatzdaten.")
                .arg(quotedPath(aside));
    OpenResult created = create(path, text);
    created.message = text + (created.available ? QString() : QStringLiteral("\n\n") + created.message);
    return created;
}

RecordsDatabase::OpenResult RecordsDatabase::create(const QString& path, const QString& told)
{
    // Files SQLite kept beside a database that is gone must not be taken for the new one's.
    for (const QString& side : kSideFiles) {
        if (QFileInfo::exists(path + side)
            && !QFile::rename(path + side, stampedAside(path, QStringLiteral(".verwaist-")) + side)) {
            return {false,
                    QCoreApplication::translate(
                        "RecordsOpening",
                        "%1 können nicht angelegt werden, weil daneben noch %2 liegt und sich nicht "
                        "beiseitelegen lässt. Die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.")
                        .arg(recordsIn(path), quotedPath(path + side))};
        }
    }
    QString problem;
    if (sqlite3_open_v2(sqliteFileName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        problem = sqliteError(m_db);
    } else {
        configure(m_db, kOwnerWaitMs);
        migrateSchema(m_db, problem);
    }
    if (problem.isEmpty())
        return {true, told};
    close();
    return {false,
            QCoreApplication::translate(
                "RecordsOpening",
                "%1 können nicht angelegt werden: %2. Die Zusatzdaten sind in diesem Programmlauf nicht "
                "verfügbar.")
                .arg(recordsIn(path), problem)};
}

RecordsDatabase::OpenResult RecordsDatabase::bringUpToDate(const QString& path, Access access)
{
    QString problem;
    if (access == Access::ReadOnly) {
        // A reader changes no file: it brings a copy in memory up to date.
        sqlite3* memory = nullptr;
        if (sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
            problem = copyDatabase(m_db, memory);
        else
            problem = sqliteError(memory);
        close();
        m_db = memory;
        if (problem.isEmpty()) {
            configure(m_db, kReaderWaitMs);
            migrateSchema(m_db, problem);
        }
    } else {
        migrateSchema(m_db, problem);
    }
    if (problem.isEmpty())
        return {};
    close();
    return {false,
            QCoreApplication::translate(
                "RecordsOpening",
                "%1 konnten nicht auf den Stand dieser Version gebracht werden: %2. Die Datei bleibt, wie "
                "sie war; die Zusatzdaten sind in diesem Programmlauf nicht verfügbar.")
                .arg(recordsIn(path), problem)};
}
