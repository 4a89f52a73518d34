#pragma once

#include <QFileDevice>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QTemporaryFile;

struct WriteOutcome
{
    bool ok = true;
    QString reason; // German, the system's reason when known
};

// What the program's temporary files add to the name of the file they will
// replace: a name no breeder gives a copy of their own.
inline constexpr char kTemporaryMarker[] = ".avelor-tmp-";

// A file written whole into a temporary file beside its place, flushed and
// synced, that replaces the old file only when committed. Dropped without a
// commit, it leaves the old file as it was and takes the temporary along.
class PendingFile
{
public:
    explicit PendingFile(const QString& path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // writer returns false when the device refused bytes.
    WriteOutcome write(const std::function<bool(QIODevice&)>& writer);
    // Puts the written file in the old one's place.
    WriteOutcome commit();

private:
    QString m_target;
    std::unique_ptr<QTemporaryFile> m_file;
};

// Writes a file through a PendingFile and commits it: the old file is
// replaced only when every byte was written, flushed and synced.
WriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& writer);

// Writes `path` whole (made anew), flushed and synced, with the permissions
// `target` has (or a new file's usual ones), for a caller that puts it in
// place itself. A failed write leaves no file behind.
WriteOutcome writeSyncedFile(const QString& path, const QString& target, const std::function<bool(QIODevice&)>& writer);

// The file a write to `path` replaces: a link stays a link, and the file it points to is replaced.
QString replacedFile(const QString& path);

// A new empty file beside `target` with a temporary name, closed (Windows
// renames no open file), for a writer that opens it by name. Its path, or an
// empty text with the German reason in `problem`.
QString makeTemporaryBeside(const QString& target, QString& problem);

// A German reason for a failed file operation, from Qt's error, its system text
// and, where known, the errno of the failed call.
QString fileErrorText(QFileDevice::FileError error, const QString& systemText, int errorNumber = 0);

// Removes the temporary files and folders a crash in the middle of a save or
// a folder copy may have left beside path, and nothing else.
void removeStrayTemporaries(const QString& path);
