#include "core/files/DataFolder.h"

#include "core/files/SpecialFolder.h"
#include "core/model/SpeciesWords.h"

namespace DataFolder {

QString path()
{
    return specialFolder(SpecialFolder::AppData) + QStringLiteral("/Avelor Abstammungsnachweis für ")
        + SpeciesWords::Plural + QLatin1Char('/');
}

QString stockFile()
{
    return path() + QStringLiteral("taubenstamm.dat");
}

QString pairFile()
{
    return path() + QStringLiteral("zuchtpaare.dat");
}

QString picturesFolder()
{
    return path() + QStringLiteral("Bilder/");
}

QString picturePath(const QString& ringNumber)
{
    return picturePathIn(path(), ringNumber);
}

QString picturePathIn(const QString& dataFolder, const QString& ringNumber)
{
    return dataFolder + QStringLiteral("Bilder/") + safeFileName(ringNumber) + QStringLiteral(".jpg");
}

QString safeFileName(const QString& name)
{
    QString safe = name;
    for (QChar& c : safe) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F
            || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return safe;
}

} // namespace DataFolder
