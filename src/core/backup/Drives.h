#pragma once

#include <QList>
#include <QString>

#include <functional>

// A drive a backup may go to or come from: a mounted volume such as a USB
// stick, its root folder and the name it is shown by.
struct Drive
{
    QString root;
    QString name; // the volume's name; on Windows its letter: "E:"
    bool readOnly = false; // listed all the same: a restore from it works, a backup says why it fails
    QString label = {}; // on Windows: the volume's label

    bool operator==(const Drive&) const = default;
};

namespace Drives {

// The removable and external volumes mounted now, read-only ones too: on
// Linux those under /media, /run/media or /mnt, on Windows removable drives
// and disks on USB, FireWire or SD, by letter.
QList<Drive> mounted();
// How a drive is listed: "STICK (/media/anna/STICK)", "E: STICK".
QString describe(const Drive& drive);

// Replaces the look-up (tests); nullptr restores it.
void install(std::function<QList<Drive>()> lookup);

} // namespace Drives
