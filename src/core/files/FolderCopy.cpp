#include "core/files/FolderCopy.h"

#include "core/files/FileOps.h"
#include "core/files/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

PendingFolder::PendingFolder(QString target) : m_target(std::move(target)) { }

PendingFolder::~PendingFolder() = default;

FolderCopy PendingFolder::copyFrom(const QString& source, const CopyProgress& progress)
{
    FolderCopy result;
    const QFileInfo targetInfo(m_target);
    QDir().mkpath(targetInfo.absolutePath());
    // The new copy grows beside the target under a name of the program's own.
    m_fresh = std::make_unique<QTemporaryDir>(targetInfo.absoluteFilePath() + QLatin1String(kTemporaryMarker)
                                              + QStringLiteral("XXXXXX"));
    if (!m_fresh->isValid()) {
        m_fresh.reset();
        result.error = QCoreApplication::translate("FolderCopy", "Der Ordner „%1“ konnte nicht angelegt werden.")
                           .arg(native(m_target));
        return result;
    }
    const QStringList names = QDir(source).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (progress && !progress(int(i), int(names.size()))) {
            m_fresh.reset(); // the temporary copy goes
            result.cancelled = true;
            return result;
        }
        const QString failure = copyFileReplacing(source + QLatin1Char('/') + names[i], m_fresh->filePath(names[i]));
        if (!failure.isEmpty())
            result.failed << names[i] + QStringLiteral(": ") + failure;
    }
    if (progress)
        progress(int(names.size()), int(names.size()));
    return result;
}

QString PendingFolder::commit(const QString& keepOldAs)
{
    if (!m_fresh)
        return QCoreApplication::translate("FolderCopy", "Der Ordner „%1“ konnte nicht ersetzt werden.")
            .arg(native(m_target));
    // Swap: the old target aside, the copy in, the old one gone or kept.
    const QString old
        = QFileInfo(m_target).absoluteFilePath() + QLatin1String(kTemporaryMarker) + QStringLiteral("old");
    QDir(old).removeRecursively();
    if (QFileInfo::exists(m_target) && !QDir().rename(m_target, old))
        return QCoreApplication::translate("FolderCopy", "Der Ordner „%1“ konnte nicht ersetzt werden.")
            .arg(native(m_target));
    if (!QDir().rename(m_fresh->path(), m_target)) {
        QDir().rename(old, m_target);
        return QCoreApplication::translate("FolderCopy", "Der Ordner „%1“ konnte nicht ersetzt werden.")
            .arg(native(m_target));
    }
    m_fresh->setAutoRemove(false);
    m_fresh.reset();
    if (keepOldAs.isEmpty() || !QFileInfo::exists(old)) {
        QDir(old).removeRecursively();
        return {};
    }
    QDir().mkpath(QFileInfo(keepOldAs).absolutePath());
    if (!QDir().rename(old, keepOldAs)) {
        return QCoreApplication::translate(
                   "FolderCopy",
                   "Der bisherige Ordner „%1“ konnte nicht nach „%2“ verschoben werden; er liegt noch "
                   "unter „%3“.")
            .arg(native(m_target), native(keepOldAs), native(old));
    }
    return {};
}

FolderCopy replaceFolder(const QString& source, const QString& target, const CopyProgress& progress,
                         const QString& keepOldAs)
{
    PendingFolder pending(target);
    FolderCopy copy = pending.copyFrom(source, progress);
    if (copy.completed())
        copy.error = pending.commit(keepOldAs);
    return copy;
}
