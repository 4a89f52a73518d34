#pragma once

#include <QString>

// The program's name and version as its windows show them.
namespace AppInfo {

inline const QString ShortTitle = QStringLiteral("Avelor Abstammungsnachweis");
// Names the desktop entry, the icon and the AppStream data; the desktop ties windows to its entry by it.
inline const QString DesktopId = QStringLiteral("org.avelor.avelor");
inline const QString Version = QStringLiteral("Version " AVELOR_VERSION);
inline const QString MakerNotice = QStringLiteral("© Avelor – freie Software für Züchter");

} // namespace AppInfo
