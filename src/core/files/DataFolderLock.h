#pragma once

#include <QLockFile>
#include <QString>

// One program per data folder: the lock is held from start to end of a run.
// A lock left by a program that crashed is taken over without asking.
class DataFolderLock
{
public:
    explicit DataFolderLock(const QString& folder); // ends with '/'

    // False when another running program holds the folder.
    bool tryLock();

    // What a second start tells the breeder before it ends.
    static QString alreadyOpenMessage();

private:
    QLockFile m_file;
};
