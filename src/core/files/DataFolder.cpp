#include "core/files/DataFolder.h"

#include "core/files/DataSetNames.h"
#include "core/files/SpecialFolder.h"
#include "core/model/SpeciesWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

namespace {

QString megabytes(qint64 bytes)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(double(bytes) / (1024 * 1024), 'f', 1)
        + QStringLiteral(" MB");
}

} // namespace

namespace DataFolder {

QString path()
{
    return specialFolder(SpecialFolder::AppData) + QStringLiteral("/Avelor Abstammungsnachweis für ")
        + SpeciesWords::Plural + QLatin1Char('/');
}

QString lowSpaceWarning(const QString& folder, qint64 spare)
{
    constexpr qint64 kMargin = 1024 * 1024;
    const qint64 needed = QFileInfo(folder + DataSetNames::StockFile).size()
        + QFileInfo(folder + DataSetNames::PairFile).size() + kMargin;
    if (spare < 0) {
        const QStorageInfo disk(folder);
        if (!disk.isValid())
            return {};
        spare = disk.bytesAvailable();
    }
    if (spare >= needed)
        return {};
    return QCoreApplication::translate(
               "DataFolder",
               "Auf dem Datenträger des Datenordners „%1“ ist kaum noch Platz frei (%2). Ein Speichern "
               "braucht etwa %3; Ihre Änderungen könnten dann nicht gespeichert werden.\n\nBitte schaffen "
               "Sie Platz, etwa indem Sie nicht mehr benötigte Dateien löschen. Die bisherigen Daten "
               "bleiben dabei in jedem Fall erhalten.")
        .arg(QDir::toNativeSeparators(folder), megabytes(std::max<qint64>(spare, 0)), megabytes(needed));
}

} // namespace DataFolder
