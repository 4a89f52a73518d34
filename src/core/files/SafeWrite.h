#pragma once

#include <QFileDevice>
#include <QString>

#include <functional>

class QIODevice;

struct WriteOutcome
{
    bool ok = true;
    QString reason; // German, the system's reason when known
};

// What the program's temporary files add to the name of the file they will
// replace: a name no breeder gives a copy of their own.
inline constexpr char kTemporaryMarker[] = ".avelor-tmp-";

// Writes a file through a temporary file beside it that replaces the old one
// only when every byte was written, flushed and synced. On any failure the
// old file is untouched and the temporary removed. writer returns false when
// the device refused bytes.
WriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& writer);

// A German reason for a failed file operation, from Qt's error, its system text
// and, where known, the errno of the failed call.
QString fileErrorText(QFileDevice::FileError error, const QString& systemText, int errorNumber = 0);

// Removes the temporary files a crash in the middle of a save may have left
// beside path, and nothing else.
void removeStrayTemporaries(const QString& path);
