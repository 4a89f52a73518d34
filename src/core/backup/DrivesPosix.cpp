#include "core/backup/Drives.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

bool isExternal(const QString& root)
{
    for (const char* place : {"/media/", "/run/media/", "/mnt/"}) {
        if (root.startsWith(QLatin1String(place)) || root == QLatin1String(place).chopped(1))
            return true;
    }
    return false;
}

} // namespace

namespace Drives {

QList<Drive> systemDrives()
{
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || !isExternal(volume.rootPath()))
            continue;
        const QString name = volume.name().isEmpty() ? QFileInfo(volume.rootPath()).fileName() : volume.name();
        drives.append({volume.rootPath(), name, volume.isReadOnly() || !QFileInfo(volume.rootPath()).isWritable()});
    }
    // Sticks and disks the desktop mounted first, mounts made by hand after them.
    std::stable_sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) {
        return !a.root.startsWith(QLatin1String("/mnt")) && b.root.startsWith(QLatin1String("/mnt"));
    });
    return drives;
}

QString describe(const Drive& drive)
{
    //: %1 is a drive's name, %2 where it is mounted
    return (drive.readOnly ? QCoreApplication::translate("Drives", "%1 (%2, schreibgeschützt)")
                           : QCoreApplication::translate("Drives", "%1 (%2)"))
        .arg(drive.name, QDir::toNativeSeparators(drive.root));
}

} // namespace Drives
