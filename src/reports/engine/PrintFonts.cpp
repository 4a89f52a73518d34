#include "reports/engine/PrintFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

void useBundledPrintFonts()
{
    static bool done = false;
    if (done || !QCoreApplication::instance())
        return;
    done = true;
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    if (!folder.exists())
        return;
    for (const QString& file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(file));
    const QStringList families = QFontDatabase::families();
    const std::pair<const char*, const char*> standIns[]
        = {{"Arial", "Liberation Sans"}, {"Courier New", "Liberation Mono"}};
    for (const auto& [named, standIn] : standIns)
        if (!families.contains(QLatin1String(named)) && families.contains(QLatin1String(standIn)))
            QFont::insertSubstitution(QLatin1String(named), QLatin1String(standIn));
}
