#include "core/files/SpecialFolder.h"

#include <QDir>
#include <QStandardPaths>

QString specialFolder(SpecialFolder folder)
{
    const auto location
        = folder == SpecialFolder::AppData ? QStandardPaths::GenericDataLocation : QStandardPaths::DocumentsLocation;
    QString path = QStandardPaths::writableLocation(location);
    // Without a usable answer the home folder serves, so data never land in the working directory.
    if (path.isEmpty())
        path = QDir::homePath();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}
