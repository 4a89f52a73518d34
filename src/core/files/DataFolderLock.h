#pragma once

#include "core/files/FileSystem.h"

#include <QString>

#include <memory>

// One program per data folder: the lock is held from start to end of a run.
// It is the system's lock on the file `.avelor-sperre`, which ends with the
// process however it ends: a crash or a power cut leaves no lock behind, and
// whatever the file holds (empty, cut short, garbage) does not matter.
class DataFolderLock
{
public:
    explicit DataFolderLock(QString folder); // ends with '/'
    ~DataFolderLock();

    // False when the folder cannot be locked; refusal() then says why.
    bool tryLock();
    // German: another program holds the folder, or it is read-only, or the disk is full.
    QString refusal() const;

    // What a second start tells the breeder before it ends.
    static QString alreadyOpenMessage();

private:
    QString m_folder;
    std::unique_ptr<FileLock> m_lock;
};
