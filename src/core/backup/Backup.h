#pragma once

#include "core/files/DataSetNames.h"
#include "core/files/FolderCopy.h"
#include "core/model/StockData.h"

class RecordsDatabase;
class StockDocument;

// Where a backup lies: a folder with the stock file, the pair file and the
// copy of the picture folder ("BilderV").
struct BackupPlace
{
    QString folder; // ends with '/'
    QString stockName;
    QString pairName;
    QString recordsName;

    QString stockPath() const { return folder + stockName; }
    QString pairPath() const { return folder + pairName; }
    QString recordsPath() const { return folder + recordsName; }
    QString picturesPath() const { return folder + DataSetNames::BackupPictureFolder; }

    // "Sicherungskopie Kanarienvögel" in the documents folder, files ending .bak.
    static BackupPlace onDisk();
    // The root of a drive, the files under the data files' own names.
    static BackupPlace onDrive(const QString& root);
};

// How many copies of the data as they were before a restore are kept beside the data files.
inline constexpr int kKeptSafetyCopies = 5;

struct BackupOutcome
{
    QString error; // German: a data file was not written; the old backup file stays whole
    QStringList failedPictures; // German, one line per picture not copied
    bool cancelled = false;

    bool ok() const { return error.isEmpty() && failedPictures.isEmpty() && !cancelled; }
};

// Writes the stock and the pairs as they are in memory, a consistent copy of
// the records, and makes the backup's picture folder a copy of `pictures`
// (none when there is no picture folder). All are made aside and put in
// place together at the end, so a backup that fails or is cancelled leaves
// the previous backup whole.
BackupOutcome writeBackup(const StockData& db, const RecordsDatabase& records, const BackupPlace& place,
                          const QString& pictures, const CopyProgress& progress = {});

// The backup of everything the document holds, pictures included.
BackupOutcome writeBackup(const StockDocument& stock, const BackupPlace& place, const CopyProgress& progress = {});

struct RestoreOutcome
{
    enum class Result
    {
        NoBackup, // no stock file in the backup
        Restored,
        Failed, // see problem; what was restored before it stays
    };
    Result result = Result::Failed;
    bool wrongVersion = false; // the stock file is of another version: the stock in memory stays
    QString problem; // German, for Failed
    QString keptAs; // where the data as they were before the restore were kept
    QStringList failedPictures;
};

// Reads the backup's stock file and pair file, each completely and apart from
// the data in memory; a file that cannot be read whole changes nothing (a
// stock read whole before a failing pair file is restored). Before anything
// is replaced, the data as they were are written beside the data files (the
// newest kKeptSafetyCopies of these stay), and the pictures as they were are
// moved there, so a wrong restore can be undone by hand. The pictures come
// first: a picture copy that fails or is cancelled changes nothing. The
// picture folder and the records are replaced only when the backup has them.
RestoreOutcome restoreBackup(StockDocument& stock, const BackupPlace& place, const CopyProgress& progress = {});
