#include "core/pictures/PictureStore.h"

#include "core/files/DataSetNames.h"
#include "core/files/FileOps.h"
#include "core/files/SafeWrite.h"
#include "core/model/TextRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

PictureStore::PictureStore(QString dataFolder) : m_dataFolder(std::move(dataFolder)) { }

QString PictureStore::folder() const
{
    return m_dataFolder + DataSetNames::PictureFolder + QLatin1Char('/');
}

QString PictureStore::pathOf(const QString& ring) const
{
    return folder() + safeFileName(ring) + QStringLiteral(".jpg");
}

bool PictureStore::exists(const QString& ring) const
{
    return QFile::exists(pathOf(ring));
}

QString PictureStore::makeFolder()
{
    if (QDir().mkpath(folder()))
        return {};
    return QCoreApplication::translate("PictureStore", "Der Bilderordner „%1“ konnte nicht angelegt werden.")
        .arg(QDir::toNativeSeparators(folder()));
}

QString PictureStore::copyIn(const QString& source, const QString& ring)
{
    if (QString failure = makeFolder(); !failure.isEmpty())
        return failure;
    if (const QString failure = copyFileReplacing(source, pathOf(ring)); !failure.isEmpty())
        return QCoreApplication::translate("PictureStore", "Das Bild für %1 konnte nicht gespeichert werden: %2")
            .arg(ring, failure);
    return {};
}

QString PictureStore::rename(const QString& oldRing, const QString& newRing)
{
    const QString from = pathOf(oldRing);
    const QString to = pathOf(newRing);
    if (from == to || !QFile::exists(from))
        return {};
    if (QFile::exists(to)) {
        return QCoreApplication::translate(
                   "PictureStore",
                   "Das Bild von %1 wurde nicht umbenannt, weil es unter %2 schon ein Bild gibt. Bitte "
                   "prüfen Sie beide Bilder im Ordner „%3“.")
            .arg(oldRing, newRing, QDir::toNativeSeparators(folder()));
    }
    QFile file(from);
    if (!file.rename(to)) {
        return QCoreApplication::translate("PictureStore", "Das Bild von %1 konnte nicht nach %2 umbenannt werden: %3")
            .arg(oldRing, newRing, fileErrorText(file.error(), file.errorString()));
    }
    return {};
}

QString PictureStore::remove(const QString& ring)
{
    if (const QString failure = removeFileIfExists(pathOf(ring)); !failure.isEmpty())
        return QCoreApplication::translate("PictureStore", "Das Bild von %1 konnte nicht gelöscht werden: %2")
            .arg(ring, failure);
    return {};
}

std::optional<QByteArray> PictureStore::bytesOf(const QString& ring) const
{
    QFile file(pathOf(ring));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString PictureStore::put(const QString& ring, const std::optional<QByteArray>& bytes)
{
    if (!bytes)
        return remove(ring);
    if (QString failure = makeFolder(); !failure.isEmpty())
        return failure;
    const WriteOutcome written
        = writeFileSafely(pathOf(ring), [&](QIODevice& out) { return out.write(*bytes) == bytes->size(); });
    if (!written.ok)
        return QCoreApplication::translate("PictureStore", "Das Bild für %1 konnte nicht gespeichert werden: %2")
            .arg(ring, written.reason);
    return {};
}

FolderCopy PictureStore::replaceAll(const QString& source, const QString& keepOldAs, const CopyProgress& progress)
{
    return replaceFolder(source, folder().chopped(1), progress, keepOldAs);
}

void PictureStore::removeAll()
{
    QDir(folder()).removeRecursively();
}
