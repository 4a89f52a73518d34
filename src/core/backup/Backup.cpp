#include "core/backup/Backup.h"

#include "core/files/DataSetNames.h"
#include "core/files/FileSystem.h"
#include "core/files/PairFile.h"
#include "core/files/SafeWrite.h"
#include "core/files/SpecialFolder.h"
#include "core/files/StockFile.h"
#include "core/model/SpeciesWords.h"
#include "core/records/RecordsDatabase.h"
#include "core/stock/StockDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>

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
        problem = QCoreApplication::translate("Backup", "„%1“ kann nicht gelesen werden: %2")
                      .arg(native(path), fileErrorText(file.error(), file.errorString()));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem = QCoreApplication::translate("Backup", "„%1“ kann nicht gelesen werden: %2")
                      .arg(native(path), fileErrorText(file.error(), file.errorString()));
        return false;
    }
    return true;
}

QString damaged(const QString& path, const QString& problem)
{
    return QCoreApplication::translate("Backup", "„%1“ ist beschädigt (%2).").arg(native(path), problem);
}

} // namespace

BackupPlace BackupPlace::onDisk()
{
    return {specialFolder(SpecialFolder::Documents) + QStringLiteral("/Sicherungskopie ") + SpeciesWords::Plural
                + QLatin1Char('/'),
            DataSetNames::StockBackupFile, DataSetNames::PairBackupFile, DataSetNames::RecordsBackupFile};
}

BackupPlace BackupPlace::onDrive(const QString& root)
{
    QString folder = root;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return {folder, DataSetNames::StockFile, DataSetNames::PairFile, DataSetNames::RecordsFile};
}

BackupOutcome writeBackup(const StockData& db, const RecordsDatabase& records, const BackupPlace& place,
                          const QString& pictures, const CopyProgress& progress)
{
    // Every part is made aside first and put in place only when all are complete: a backup that fails
    // or is cancelled leaves the previous one whole.
    BackupOutcome outcome;
    if (!QDir().mkpath(place.folder)) {
        outcome.error = QCoreApplication::translate("Backup", "Der Ordner „%1“ konnte nicht angelegt werden.")
                            .arg(native(place.folder));
        return outcome;
    }
    auto notWritten = [&outcome](const QString& path, const QString& reason) {
        outcome.error = QCoreApplication::translate("Backup", "„%1“ konnte nicht geschrieben werden: %2")
                            .arg(native(path), reason);
        return outcome;
    };
    PendingFile stock(place.stockPath());
    if (const WriteOutcome written = stock.write([&db](QIODevice& d) { return StockFile::write(d, db); }); !written.ok)
        return notWritten(place.stockPath(), written.reason);
    PendingFile pairs(place.pairPath());
    if (const WriteOutcome written = pairs.write([&db](QIODevice& d) { return PairFile::write(d, db.pairs); });
        !written.ok)
        return notWritten(place.pairPath(), written.reason);
    // The records' copy waits under a name of its own until everything else is in place.
    const QString recordsCopy = place.recordsPath() + QLatin1String(kTemporaryMarker) + QStringLiteral("neu");
    const auto dropRecordsCopy = qScopeGuard([&recordsCopy] { QFile::remove(recordsCopy); });
    if (const QString failure = records.copyTo(recordsCopy); !failure.isEmpty()) {
        outcome.error = failure;
        return outcome;
    }
    const bool withPictures = QFileInfo(pictures).isDir();
    PendingFolder pictureCopy(place.picturesPath());
    if (withPictures) {
        const FolderCopy copy = pictureCopy.copyFrom(pictures, progress);
        outcome.cancelled = copy.cancelled;
        outcome.error = copy.error;
        outcome.failedPictures = copy.failed;
        if (!copy.completed())
            return outcome;
        if (const QString failure = pictureCopy.commit(); !failure.isEmpty()) {
            outcome.error = failure;
            return outcome;
        }
    }
    if (const WriteOutcome replaced = stock.commit(); !replaced.ok)
        return notWritten(place.stockPath(), replaced.reason);
    if (const WriteOutcome replaced = pairs.commit(); !replaced.ok)
        return notWritten(place.pairPath(), replaced.reason);
    if (const int failed = FileSystem::replace(recordsCopy, place.recordsPath()); failed != 0)
        return notWritten(place.recordsPath(), fileErrorText(QFileDevice::RenameError, QString(), failed));
    if (!withPictures)
        QDir(place.picturesPath()).removeRecursively(); // no pictures: none in the backup either
    return outcome;
}

BackupOutcome writeBackup(const StockDocument& stock, const BackupPlace& place, const CopyProgress& progress)
{
    return writeBackup(stock.data(), stock.records(), place, stock.pictures().folder().chopped(1), progress);
}

namespace {

// The two files of a backup, each read whole apart from the data in memory.
struct BackupContents
{
    StockData stock; // animals, breeder data and print settings
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
        contents.pairProblem
            = QCoreApplication::translate("Backup", "„%1“ gibt es nicht.").arg(native(place.pairPath()));
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

const QString kSafetyCopyPrefix = QStringLiteral("vor Wiederherstellung ");

// The older safety copies go, so that restores do not fill the disk; the newest stay.
void removeOldSafetyCopies(const QString& dataFolder)
{
    static const QRegularExpression name(QLatin1Char('^') + kSafetyCopyPrefix
                                         + QStringLiteral("\\d{8}-\\d{6}(-\\d+)?$"));
    QDir folder(dataFolder);
    QStringList copies = folder.entryList({kSafetyCopyPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    copies.removeIf([](const QString& copy) { return !name.match(copy).hasMatch(); });
    std::sort(copies.begin(), copies.end(), [](const QString& a, const QString& b) {
        // Oldest first: by time, and the same second by its running number.
        const QString stampA = a.mid(kSafetyCopyPrefix.size(), 15);
        const QString stampB = b.mid(kSafetyCopyPrefix.size(), 15);
        if (stampA != stampB)
            return stampA < stampB;
        return a.mid(kSafetyCopyPrefix.size() + 16).toInt() < b.mid(kSafetyCopyPrefix.size() + 16).toInt();
    });
    for (qsizetype i = 0; i + kKeptSafetyCopies < copies.size(); ++i)
        QDir(folder.filePath(copies[i])).removeRecursively();
}

// The data as they are now, written beside the data files before a restore
// replaces them: the folder they were kept in, or the German reason they could not be.
QString keepCurrentData(const StockDocument& stock, QString& kept)
{
    // Restores within one second are numbered on from the highest number that second has.
    const QString stamp = kSafetyCopyPrefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    int last = 0;
    for (const QString& name : QDir(stock.files().folder()).entryList({stamp + QLatin1Char('*')}, QDir::Dirs)) {
        if (name == stamp)
            last = std::max(last, 1);
        else if (name.startsWith(stamp + QLatin1Char('-')))
            last = std::max(last, name.mid(stamp.size() + 1).toInt());
    }
    const QString folder = stock.files().folder() + stamp
        + (last == 0 ? QString() : QLatin1Char('-') + QString::number(last + 1)) + QLatin1Char('/');
    const BackupOutcome safety
        = writeBackup(stock.data(), stock.records(),
                      {folder, DataSetNames::StockFile, DataSetNames::PairFile, DataSetNames::RecordsFile}, QString());
    if (!safety.error.isEmpty())
        return safety.error;
    kept = folder;
    removeOldSafetyCopies(stock.files().folder());
    return {};
}

} // namespace

RestoreOutcome restoreBackup(StockDocument& stock, const BackupPlace& place, const CopyProgress& progress)
{
    using Result = RestoreOutcome::Result;
    RestoreOutcome outcome;
    if (!QFileInfo::exists(place.stockPath())) {
        outcome.result = Result::NoBackup;
        outcome.problem = QCoreApplication::translate("Backup", "„%1“ gibt es nicht.").arg(native(place.stockPath()));
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
    // Records that cannot be read whole stop the restore before anything changes.
    const bool withRecords = backup.pairsRead && QFileInfo::exists(place.recordsPath());
    if (withRecords) {
        if (const QString refused = RecordsDatabase::checkCopy(place.recordsPath()); !refused.isEmpty()) {
            outcome.problem = refused;
            return outcome;
        }
    }
    if (const QString failure = keepCurrentData(stock, outcome.keptAs); !failure.isEmpty()) {
        outcome.problem = QCoreApplication::translate("Backup",
                                                      "Die bisherigen Daten konnten nicht gesichert werden, darum "
                                                      "wurde nichts zurückgeholt: %1")
                              .arg(failure);
        return outcome;
    }

    // The pictures first: a copy cancelled or failed leaves pictures and data as they were. The
    // pictures as they were stay beside the data, like the data files.
    if (backup.pairsRead && QFileInfo(place.picturesPath()).isDir()) {
        const FolderCopy copy
            = stock.replacePictures(place.picturesPath(), outcome.keptAs + DataSetNames::PictureFolder, progress);
        outcome.failedPictures = copy.failed;
        if (!copy.completed()) {
            //: %1 says why the pictures were not restored
            outcome.problem
                = QCoreApplication::translate("Backup", "%1 Die Daten und Bilder sind unverändert geblieben.")
                      .arg(copy.cancelled
                               ? QCoreApplication::translate("Backup", "Das Zurückholen der Bilder wurde abgebrochen.")
                               : copy.error);
            return outcome;
        }
    }
    StockData restored = stock.data();
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
    if (withRecords) {
        if (const QString failure = stock.replaceRecords(place.recordsPath()); !failure.isEmpty()) {
            outcome.problem = failure;
            return outcome;
        }
    }
    outcome.result = Result::Restored;
    return outcome;
}
