#include "core/files/SpecialFolder.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <shlobj.h>
#endif

namespace {

#ifdef Q_OS_WIN
// The shell's own folders: the roaming application data (where Windows
// programs keep their data) and the documents, wherever the user moved them.
// AVELOR_HOME, when set, stands in for the user's profile: the tests give
// each run a home of its own with it, as HOME and XDG_* do elsewhere.
QString knownFolder(SpecialFolder folder)
{
    if (const QString home = qEnvironmentVariable("AVELOR_HOME"); !home.isEmpty())
        return QDir::fromNativeSeparators(home)
            + (folder == SpecialFolder::AppData ? QStringLiteral("/AppData/Roaming") : QStringLiteral("/Documents"));
    PWSTR path = nullptr;
    const KNOWNFOLDERID& id = folder == SpecialFolder::AppData ? FOLDERID_RoamingAppData : FOLDERID_Documents;
    QString found;
    if (SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK)
        found = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return found;
}
#else
QString knownFolder(SpecialFolder folder)
{
    return QStandardPaths::writableLocation(folder == SpecialFolder::AppData ? QStandardPaths::GenericDataLocation
                                                                             : QStandardPaths::DocumentsLocation);
}
#endif

} // namespace

QString specialFolder(SpecialFolder folder)
{
    QString path = knownFolder(folder);
    // Without a usable answer the home folder serves, so data never land in the working directory.
    if (path.isEmpty())
        path = QDir::homePath();
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}
