#include "core/files/FolderCopy.h"

#include "core/files/FileOps.h"
#include "core/files/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

FolderCopy replaceFolder(const QString& source, const QString& target, const CopyProgress& progress)
{
    FolderCopy result;
    const QFileInfo targetInfo(target);
    QDir().mkpath(targetInfo.absolutePath());
    // The new copy grows beside the target under a name of the program's own.
    QTemporaryDir fresh(targetInfo.absoluteFilePath() + QLatin1String(kTemporaryMarker) + QStringLiteral("XXXXXX"));
    if (!fresh.isValid()) {
        result.error = QStringLiteral("Der Ordner „%1“ konnte nicht angelegt werden.").arg(native(target));
        return result;
    }
    const QStringList names = QDir(source).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (progress && !progress(int(i), int(names.size()))) {
            result.cancelled = true;
            return result; // the temporary copy goes with `fresh`
        }
        const QString failure = copyFileReplacing(source + QLatin1Char('/') + names[i], fresh.filePath(names[i]));
        if (!failure.isEmpty())
            result.failed << names[i] + QStringLiteral(": ") + failure;
    }
    // Swap: the old target aside, the copy in, the old one gone.
    const QString old = targetInfo.absoluteFilePath() + QLatin1String(kTemporaryMarker) + QStringLiteral("old");
    QDir(old).removeRecursively();
    if (QFileInfo::exists(target) && !QDir().rename(target, old)) {
        result.error = QStringLiteral("Der Ordner „%1“ konnte nicht ersetzt werden.").arg(native(target));
        return result;
    }
    if (!QDir().rename(fresh.path(), target)) {
        QDir().rename(old, target);
        result.error = QStringLiteral("Der Ordner „%1“ konnte nicht ersetzt werden.").arg(native(target));
        return result;
    }
    fresh.setAutoRemove(false);
    QDir(old).removeRecursively();
    if (progress)
        progress(int(names.size()), int(names.size()));
    return result;
}

QString moveFolder(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(from) || QDir().rename(from, to))
        return {};
    return QStringLiteral("Der Ordner „%1“ konnte nicht nach „%2“ verschoben werden.").arg(native(from), native(to));
}
