#pragma once

#include <QStringList>

#include <functional>

// Reports how far a copy has come (files done, files in all); false cancels it.
using CopyProgress = std::function<bool(int done, int total)>;

struct FolderCopy
{
    QStringList failed; // German, one line per file that could not be copied, naming it
    bool cancelled = false;
    QString error; // German: the folder itself could not be made or put in place
};

// Makes `target` a copy of the files in `source` (not its sub-folders): the
// copy is made beside the target and swapped in when it is complete, so a
// cancelled or failed copy leaves the old target as it was. A file that
// cannot be copied (a name a USB stick's file system refuses) is listed and
// the others are copied all the same.
FolderCopy replaceFolder(const QString& source, const QString& target, const CopyProgress& progress = {});

// Moves a folder aside under a new name; an empty text or the German reason.
QString moveFolder(const QString& from, const QString& to);
