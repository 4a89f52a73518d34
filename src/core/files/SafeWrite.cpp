#include "core/files/SafeWrite.h"

#include "core/files/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>

namespace {

struct SystemText
{
    int errorNumber;
    const char* english;
    const char* german; // translated where shown
};

// The system's texts arrive in the C library's language; these are the ones a save can meet.
constexpr SystemText kSystemTexts[] = {
    {ENOSPC, "No space left on device", QT_TRANSLATE_NOOP("SafeWrite", "Kein Speicherplatz mehr auf dem Gerät")},
#ifdef EDQUOT
    {EDQUOT, "Disk quota exceeded", QT_TRANSLATE_NOOP("SafeWrite", "Speicherplatzkontingent überschritten")},
#endif
    {EFBIG, "File too large", QT_TRANSLATE_NOOP("SafeWrite", "Datei zu groß")},
    {EACCES, "Permission denied", QT_TRANSLATE_NOOP("SafeWrite", "Zugriff verweigert")},
    {EROFS, "Read-only file system", QT_TRANSLATE_NOOP("SafeWrite", "Dateisystem nur lesbar")},
    {EIO, "Input/output error", QT_TRANSLATE_NOOP("SafeWrite", "Ein-/Ausgabefehler")},
    {ENOENT, "No such file or directory", QT_TRANSLATE_NOOP("SafeWrite", "Datei oder Verzeichnis nicht gefunden")},
    {EISDIR, "Is a directory", QT_TRANSLATE_NOOP("SafeWrite", "Ist ein Verzeichnis")},
    {EMFILE, "Too many open files", QT_TRANSLATE_NOOP("SafeWrite", "Zu viele offene Dateien")},
    {EPERM, "Operation not permitted", QT_TRANSLATE_NOOP("SafeWrite", "Vorgang nicht zulässig")},
};

QString translatedSystemText(const QString& text, int errorNumber)
{
    for (const SystemText& t : kSystemTexts) {
        if (t.errorNumber == errorNumber || text.contains(QLatin1String(t.english), Qt::CaseInsensitive))
            return QCoreApplication::translate("SafeWrite", t.german);
    }
    // Qt says "Unknown error" when a write stopped short without a system error.
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        return {};
    return text;
}

} // namespace

QString fileErrorText(QFileDevice::FileError error, const QString& systemText, int errorNumber)
{
    QString what;
    switch (error) {
    case QFileDevice::ResourceError:
        what = QCoreApplication::translate("SafeWrite", "Nicht genug Speicherplatz");
        break;
    case QFileDevice::PermissionsError:
        what = QCoreApplication::translate("SafeWrite", "Keine Berechtigung");
        break;
    case QFileDevice::OpenError:
        what = QCoreApplication::translate("SafeWrite", "Die Datei konnte nicht geöffnet werden");
        break;
    case QFileDevice::ReadError:
        what = QCoreApplication::translate("SafeWrite", "Lesefehler");
        break;
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        what = QCoreApplication::translate("SafeWrite", "Die Datei konnte nicht ersetzt werden");
        break;
    default:
        what = QCoreApplication::translate("SafeWrite", "Schreibfehler");
        break;
    }
    const QString system = translatedSystemText(systemText.trimmed(), errorNumber);
    if (system.isEmpty() || system.compare(what, Qt::CaseInsensitive) == 0)
        return what + QLatin1Char('.');
    //: %1 is what went wrong, %2 the system's reason
    return QCoreApplication::translate("SafeWrite", "%1 (%2).").arg(what, system);
}

namespace {

// Writes into an open file, flushes and syncs it and gives it the permissions of `target`.
WriteOutcome finishWriting(QFileDevice& file, const QString& target, const std::function<bool(QIODevice&)>& writer)
{
    // A write that stops short leaves only errno to say why (a full disk, a size limit).
    errno = 0;
    bool ok = writer(file);
    int errorNumber = errno;
    if (ok && !file.flush()) {
        ok = false;
        errorNumber = errno;
    }
    if (ok) {
        FileSystem::stepDone("written", file.fileName());
        errorNumber = FileSystem::syncToDisk(file);
        ok = errorNumber == 0;
    }
    if (!ok || file.error() != QFileDevice::NoError) {
        const QFileDevice::FileError error
            = file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
        return {false, fileErrorText(error, file.errorString(), errorNumber)};
    }
    if (const int failed = FileSystem::carryPermissions(file, target); failed != 0)
        return {false, fileErrorText(QFileDevice::PermissionsError, QString(), failed)};
    file.close();
    return {};
}

} // namespace

QString replacedFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

PendingFile::PendingFile(const QString& path) : m_target(replacedFile(path)) { }

PendingFile::~PendingFile() = default;

WriteOutcome PendingFile::write(const std::function<bool(QIODevice&)>& writer)
{
    m_file = std::make_unique<QTemporaryFile>(m_target + QLatin1String(kTemporaryMarker) + QStringLiteral("XXXXXX"));
    if (!m_file->open()) {
        const WriteOutcome failed {false, fileErrorText(m_file->error(), m_file->errorString(), errno)};
        m_file.reset();
        return failed;
    }
    const WriteOutcome written = finishWriting(*m_file, m_target, writer);
    if (!written.ok)
        m_file.reset();
    return written;
}

WriteOutcome writeSyncedFile(const QString& path, const QString& target, const std::function<bool(QIODevice&)>& writer)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {false, fileErrorText(file.error(), file.errorString(), errno)};
    FileSystem::stepDone("created", path);
    const WriteOutcome written = finishWriting(file, target, writer);
    if (!written.ok) {
        file.close();
        FileSystem::remove(path);
    }
    return written;
}

WriteOutcome PendingFile::commit()
{
    if (!m_file)
        return {false, fileErrorText(QFileDevice::WriteError, QString())};
    // A temporary file keeps its handle until it goes, and Windows renames no open file:
    // the object goes first, the file stays, and a failed rename removes it here.
    const QString written = m_file->fileName();
    m_file->setAutoRemove(false);
    m_file.reset();
    if (const int failed = FileSystem::replace(written, m_target); failed != 0) {
        FileSystem::remove(written);
        return {false, fileErrorText(QFileDevice::RenameError, QString(), failed)};
    }
    return {};
}

QString makeTemporaryBeside(const QString& target, QString& problem)
{
    QTemporaryFile file(target + QLatin1String(kTemporaryMarker) + QStringLiteral("XXXXXX"));
    if (!file.open()) {
        problem = fileErrorText(file.error(), file.errorString(), errno);
        return {};
    }
    file.setAutoRemove(false);
    return file.fileName(); // the object goes, and with it the handle
}

WriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    PendingFile file(path);
    if (WriteOutcome written = file.write(writer); !written.ok)
        return written;
    return file.commit();
}

void removeStrayTemporaries(const QString& path)
{
    const QFileInfo info(path);
    QDir dir = info.absoluteDir();
    // A folder copy or a save stopped between its two renames left the old one aside: it comes back.
    const QString setAside = path + QLatin1String(kTemporaryMarker) + QStringLiteral("old");
    if (!info.exists() && QFileInfo::exists(setAside))
        dir.rename(setAside, path);
    // Only names this program gives its temporaries: a breeder's own copies
    // ("taubenstamm.dat.sicher") stay where they are.
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(info.fileName())
                                     + QRegularExpression::escape(QLatin1String(kTemporaryMarker))
                                     + QStringLiteral("([A-Za-z0-9]{6}|old)$"));
    const QStringList names = dir.entryList({info.fileName() + QStringLiteral(".*")},
                                            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names) {
        if (!pattern.match(name).hasMatch())
            continue;
        if (QFileInfo(dir.filePath(name)).isDir())
            QDir(dir.filePath(name)).removeRecursively();
        else
            dir.remove(name);
    }
}
