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

    bool operator==(const Drive&) const = default;
};

namespace Drives {

// The removable and external volumes mounted now (under /media, /run/media
// or /mnt), the writable ones only when asked.
QList<Drive> mounted(bool writableOnly);

// Replaces the look-up (tests); nullptr restores it.
void install(std::function<QList<Drive>(bool writableOnly)> lookup);

} // namespace Drives
