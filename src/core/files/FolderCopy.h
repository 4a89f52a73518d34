#pragma once

#include <QStringList>

#include <functional>
#include <memory>

class QTemporaryDir;

// Reports how far a copy has come (files done, files in all); false cancels it.
using CopyProgress = std::function<bool(int done, int total)>;

struct FolderCopy
{
    QStringList failed; // German, one line per file that could not be copied, naming it
    bool cancelled = false;
    QString error; // German: the folder itself could not be made or put in place

    bool completed() const { return !cancelled && error.isEmpty(); }
};

// A copy of the files in a folder (not its sub-folders), made beside the
// folder it will replace and put in its place only when committed. Dropped
// without a commit, it leaves the old folder as it was.
class PendingFolder
{
public:
    explicit PendingFolder(QString target);
    ~PendingFolder();
    PendingFolder(const PendingFolder&) = delete;
    PendingFolder& operator=(const PendingFolder&) = delete;

    // A file that cannot be copied (a name a USB stick's file system refuses)
    // is listed and the others are copied all the same.
    FolderCopy copyFrom(const QString& source, const CopyProgress& progress = {});
    // Swaps the copy in. The old folder is deleted, or with `keepOldAs` moved
    // there. An empty text or the German reason.
    QString commit(const QString& keepOldAs = {});

private:
    QString m_target;
    std::unique_ptr<QTemporaryDir> m_fresh;
};

// Copies and commits in one: a cancelled or failed copy leaves the old target as it was.
FolderCopy replaceFolder(const QString& source, const QString& target, const CopyProgress& progress = {},
                         const QString& keepOldAs = {});
