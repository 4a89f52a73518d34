#pragma once

#include <QCoreApplication>
#include <QString>

// The program's name and version as its windows show them.
namespace AppInfo {

inline const QString ShortTitle = QStringLiteral("Avelor Abstammungsnachweis");
// Names the desktop entry, the icon and the AppStream data; the desktop ties windows to its entry by it.
inline const QString DesktopId = QStringLiteral("org.avelor.avelor");
inline const QString Version = QStringLiteral("Version " AVELOR_VERSION);
inline const QString MakerNotice = QStringLiteral("© Avelor – freie Software für Züchter");

// The same texts in the current language.
inline QString shortTitle()
{
    return QCoreApplication::translate("AppInfo", "Avelor Abstammungsnachweis");
}
//: %1 is the version number
inline QString version()
{
    return QCoreApplication::translate("AppInfo", "Version %1").arg(QStringLiteral(AVELOR_VERSION));
}
inline QString makerNotice()
{
    return QCoreApplication::translate("AppInfo", "© Avelor – freie Software für Züchter");
}

} // namespace AppInfo
