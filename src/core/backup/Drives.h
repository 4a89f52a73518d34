#pragma once

#include <QList>
#include <QString>

#include <functional>

// A drive a backup may go to or come from: a mounted volume such as a USB
// stick, its root folder and the name it is shown by.
struct Drive
{
    QString root;
    QString name;
    bool readOnly = false; // listed all the same: a restore from it works, a backup says why it fails

    bool operator==(const Drive&) const = default;
};

namespace Drives {

// The removable and external volumes mounted now (under /media, /run/media
// or /mnt), read-only ones too.
QList<Drive> mounted();

// Replaces the look-up (tests); nullptr restores it.
void install(std::function<QList<Drive>()> lookup);

} // namespace Drives
