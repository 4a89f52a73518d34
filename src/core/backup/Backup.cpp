#include "core/backup/Backup.h"

#include "core/files/PairFile.h"
#include "core/files/SafeWrite.h"
#include "core/files/SpecialFolder.h"
#include "core/files/StockFile.h"
#include "core/model/SpeciesWords.h"
#include "core/stock/StockDocument.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A backup file read completely, or why it could not be.
bool readWhole(const QString& path, QByteArray& bytes, QString& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("„%1“ kann nicht gelesen werden: %2")
                      .arg(native(path), germanFileError(file.error(), file.errorString()));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem = QStringLiteral("„%1“ kann nicht gelesen werden: %2")
                      .arg(native(path), germanFileError(file.error(), file.errorString()));
        return false;
    }
    return true;
}

QString damaged(const QString& path, const QString& problem)
{
    return QStringLiteral("„%1“ ist beschädigt (%2).").arg(native(path), problem);
}

} // namespace

BackupPlace BackupPlace::onDisk()
{
    return {specialFolder(SpecialFolder::Documents) + QStringLiteral("/Sicherungskopie ") + SpeciesWords::Plural
                + QLatin1Char('/'),
            QStringLiteral("taubenstamm.bak"), QStringLiteral("zuchtpaare.bak")};
}

BackupPlace BackupPlace::onDrive(const QString& root)
{
    QString folder = root;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return {folder, QStringLiteral("taubenstamm.dat"), QStringLiteral("zuchtpaare.dat")};
}

BackupOutcome writeBackup(const Database& db, const BackupPlace& place, const QString& pictures,
                          const CopyProgress& progress)
{
    BackupOutcome outcome;
    QDir().mkpath(place.folder);
    const WriteOutcome stock
        = writeFileSafely(place.stockPath(), [&db](QIODevice& device) { return StockFile::write(device, db); });
    if (!stock.ok) {
        outcome.error
            = QStringLiteral("„%1“ konnte nicht geschrieben werden: %2").arg(native(place.stockPath()), stock.reason);
        return outcome;
    }
    const WriteOutcome pairs
        = writeFileSafely(place.pairPath(), [&db](QIODevice& device) { return PairFile::write(device, db.pairs); });
    if (!pairs.ok) {
        outcome.error
            = QStringLiteral("„%1“ konnte nicht geschrieben werden: %2").arg(native(place.pairPath()), pairs.reason);
        return outcome;
    }
    if (!QFileInfo(pictures).isDir()) {
        QDir(place.picturesPath()).removeRecursively(); // no pictures: none in the backup either
        return outcome;
    }
    const FolderCopy copy = replaceFolder(pictures, place.picturesPath(), progress);
    outcome.cancelled = copy.cancelled;
    outcome.error = copy.error;
    outcome.failedPictures = copy.failed;
    return outcome;
}

RestoreOutcome restoreBackup(StockDocument& stock, const BackupPlace& place, const CopyProgress& progress)
{
    using Result = RestoreOutcome::Result;
    RestoreOutcome outcome;
    if (!QFileInfo::exists(place.stockPath())) {
        outcome.result = Result::NoBackup;
        outcome.problem = QStringLiteral("„%1“ gibt es nicht.").arg(native(place.stockPath()));
        return outcome;
    }
    QByteArray bytes;
    if (!readWhole(place.stockPath(), bytes, outcome.problem))
        return outcome;
    Database backup;
    const StockFile::ReadResult read = StockFile::read(bytes, backup);
    if (read.status == StockFile::ReadStatus::Damaged) {
        outcome.problem = damaged(place.stockPath(), read.problem);
        return outcome;
    }
    outcome.wrongVersion = read.status == StockFile::ReadStatus::WrongVersion;
    PairTable pairs;
    QString pairProblem;
    bool pairsRead = QFileInfo::exists(place.pairPath()) && readWhole(place.pairPath(), bytes, pairProblem);
    if (pairsRead) {
        const PairFile::ReadResult pairRead = PairFile::read(bytes, pairs);
        pairsRead = pairRead.complete;
        if (!pairsRead)
            pairProblem = damaged(place.pairPath(), pairRead.problem);
    } else if (pairProblem.isEmpty()) {
        pairProblem = QStringLiteral("„%1“ gibt es nicht.").arg(native(place.pairPath()));
    }
    if (outcome.wrongVersion && !pairsRead) {
        outcome.problem = pairProblem;
        return outcome; // nothing to restore
    }

    // The data as they are now, beside the data files, before anything is replaced.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString kept = stock.files().folder() + QStringLiteral("vor Wiederherstellung ") + stamp + QLatin1Char('/');
    const Database before = stock.data();
    const BackupOutcome safety
        = writeBackup(before, {kept, QStringLiteral("taubenstamm.dat"), QStringLiteral("zuchtpaare.dat")}, QString());
    if (!safety.error.isEmpty()) {
        outcome.problem = QStringLiteral("Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts "
                                         "zurückgeholt: ")
            + safety.error;
        return outcome;
    }
    outcome.keptAs = kept;

    Database restored = before;
    if (!outcome.wrongVersion) {
        restored.animals = std::move(backup.animals);
        restored.breeder = backup.breeder;
        restored.print = backup.print;
    }
    if (pairsRead)
        restored.pairs = std::move(pairs);
    stock.replaceAll(std::move(restored));
    if (!pairsRead) {
        outcome.problem = pairProblem;
        return outcome;
    }

    const QString picturesFolder = stock.pictures().folder();
    if (QFileInfo(place.picturesPath()).isDir()) {
        // The pictures as they were stay beside the data, like the data files.
        QDir().mkpath(kept);
        const QString moved = moveFolder(picturesFolder.chopped(1), kept + QStringLiteral("Bilder"));
        if (!moved.isEmpty()) {
            outcome.problem = moved;
            return outcome;
        }
        const FolderCopy copy = replaceFolder(place.picturesPath(), picturesFolder.chopped(1), progress);
        outcome.failedPictures = copy.failed;
        if (!copy.error.isEmpty() || copy.cancelled) {
            outcome.problem
                = copy.cancelled ? QStringLiteral("Das Zurückholen der Bilder wurde abgebrochen.") : copy.error;
            moveFolder(kept + QStringLiteral("Bilder"), picturesFolder.chopped(1)); // the old pictures come back
            return outcome;
        }
    }
    outcome.result = Result::Restored;
    return outcome;
}

void wipeDatabase(StockDocument& stock)
{
    Database empty;
    empty.print = stock.printSettings();
    QDir(stock.pictures().folder()).removeRecursively();
    stock.replaceAll(std::move(empty));
}
