#include "core/backup/Backup.h"

#include "core/files/DataSetNames.h"
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
                      .arg(native(path), fileErrorText(file.error(), file.errorString()));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem = QStringLiteral("„%1“ kann nicht gelesen werden: %2")
                      .arg(native(path), fileErrorText(file.error(), file.errorString()));
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
            DataSetNames::StockBackupFile, DataSetNames::PairBackupFile};
}

BackupPlace BackupPlace::onDrive(const QString& root)
{
    QString folder = root;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return {folder, DataSetNames::StockFile, DataSetNames::PairFile};
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

namespace {

// The two files of a backup, each read whole apart from the data in memory.
struct BackupContents
{
    Database stock; // animals, breeder data and print settings
    bool wrongVersion = false; // the stock file is of another version: the stock in memory stays
    PairTable pairs;
    bool pairsRead = false;
    QString pairProblem; // why the pairs could not be read
};

// The stock file and the pair file of a backup. False with the problem set
// when the stock file cannot be read whole; a pair file that cannot is told in
// the contents.
bool readBackup(const BackupPlace& place, BackupContents& contents, QString& problem)
{
    QByteArray bytes;
    if (!readWhole(place.stockPath(), bytes, problem))
        return false;
    const StockFile::ReadResult read = StockFile::read(bytes, contents.stock);
    if (read.status == StockFile::ReadStatus::Damaged) {
        problem = damaged(place.stockPath(), read.problem);
        return false;
    }
    contents.wrongVersion = read.status == StockFile::ReadStatus::WrongVersion;
    if (!QFileInfo::exists(place.pairPath())) {
        contents.pairProblem = QStringLiteral("„%1“ gibt es nicht.").arg(native(place.pairPath()));
        return true;
    }
    if (!readWhole(place.pairPath(), bytes, contents.pairProblem))
        return true;
    const PairFile::ReadResult pairRead = PairFile::read(bytes, contents.pairs);
    contents.pairsRead = pairRead.complete;
    if (!pairRead.complete)
        contents.pairProblem = damaged(place.pairPath(), pairRead.problem);
    return true;
}

// The data as they are now, written beside the data files before a restore
// replaces them: the folder they were kept in, or the German reason they could not be.
QString keepCurrentData(const StockDocument& stock, QString& kept)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString folder = stock.files().folder() + QStringLiteral("vor Wiederherstellung ") + stamp + QLatin1Char('/');
    const BackupOutcome safety
        = writeBackup(stock.data(), {folder, DataSetNames::StockFile, DataSetNames::PairFile}, QString());
    if (!safety.error.isEmpty())
        return safety.error;
    kept = folder;
    return {};
}

} // namespace

RestoreOutcome restoreBackup(StockDocument& stock, const BackupPlace& place, const CopyProgress& progress)
{
    using Result = RestoreOutcome::Result;
    RestoreOutcome outcome;
    if (!QFileInfo::exists(place.stockPath())) {
        outcome.result = Result::NoBackup;
        outcome.problem = QStringLiteral("„%1“ gibt es nicht.").arg(native(place.stockPath()));
        return outcome;
    }
    BackupContents backup;
    if (!readBackup(place, backup, outcome.problem))
        return outcome;
    outcome.wrongVersion = backup.wrongVersion;
    if (backup.wrongVersion && !backup.pairsRead) {
        outcome.problem = backup.pairProblem;
        return outcome; // nothing to restore
    }
    if (const QString failure = keepCurrentData(stock, outcome.keptAs); !failure.isEmpty()) {
        outcome.problem = QStringLiteral("Die bisherigen Daten konnten nicht gesichert werden, darum wurde nichts "
                                         "zurückgeholt: ")
            + failure;
        return outcome;
    }

    Database restored = stock.data();
    if (!backup.wrongVersion) {
        restored.animals = std::move(backup.stock.animals);
        restored.breeder = backup.stock.breeder;
        restored.print = backup.stock.print;
    }
    if (backup.pairsRead)
        restored.pairs = std::move(backup.pairs);
    stock.replaceAll(std::move(restored));
    if (!backup.pairsRead) {
        outcome.problem = backup.pairProblem;
        return outcome;
    }

    if (QFileInfo(place.picturesPath()).isDir()) {
        // The pictures as they were stay beside the data, like the data files.
        const FolderCopy copy
            = stock.replacePictures(place.picturesPath(), outcome.keptAs + DataSetNames::PictureFolder, progress);
        outcome.failedPictures = copy.failed;
        if (!copy.error.isEmpty() || copy.cancelled) {
            outcome.problem
                = copy.cancelled ? QStringLiteral("Das Zurückholen der Bilder wurde abgebrochen.") : copy.error;
            return outcome;
        }
    }
    outcome.result = Result::Restored;
    return outcome;
}
