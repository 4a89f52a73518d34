#pragma once

#include <QString>

class QFileDevice;

// The few file-system calls Qt does not offer, one implementation per
// system (POSIX and Windows). Failures come back as an errno value, so that
// one table turns them into German reasons on both systems.
namespace FileSystem {

// Forces what was written to the file onto the disk: 0 or the error number.
int syncToDisk(QFileDevice& file);

// Gives the file that will replace `target` the permissions of the old file
// (or, for a new one, the usual ones rather than a temporary file's own):
// 0 or the error number.
int carryPermissions(QFileDevice& file, const QString& target);

// Puts `from` in the place of `to` in one step, replacing it, and makes the
// change durable: 0 or the error number.
int replace(const QString& from, const QString& to);

// Whether a file or folder is there: 0, or why not as an error number
// (ENOENT: it is not; EACCES: a folder on the way may not be read).
int statError(const QString& path);

// Removes a file and makes that durable: 0 (also when there was none) or the error number.
int remove(const QString& path);

// Tests stop a save after each of its steps, as a crash would: the observer
// hears of every step that changed the disk, once it is done, and may end the
// process there. None is set in the program.
using StepObserver = void (*)(const char* step, const QString& path);
void setStepObserver(StepObserver observer);
// Tells the observer of a step done outside these functions (a file written).
void stepDone(const char* step, const QString& path);

} // namespace FileSystem

// An advisory lock on a file that other programs also lock by this means:
// many readers together (Shared) or one writer alone (Exclusive). Waits
// until it is granted; held until the object goes.
class FileLock
{
public:
    enum class Mode
    {
        Shared,
        Exclusive,
    };
    enum class Wait
    {
        UntilGranted,
        No, // tried once: held() tells
    };
    // With `create`, a missing file is made; without, a missing file means no lock.
    FileLock(const QString& path, Mode mode, bool create, Wait wait = Wait::UntilGranted);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_held; }
    // Writes what the file holds, through the handle that holds the lock: true when all of it was written.
    bool replaceContents(const QByteArray& bytes);
    // Why the file could not be opened: 0, or the error number (the lock itself refused is 0).
    int openError() const { return m_openError; }

private:
    qintptr m_handle = -1;
    bool m_held = false;
    int m_openError = 0;
};
