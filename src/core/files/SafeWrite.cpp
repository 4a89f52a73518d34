#include "core/files/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct SystemText
{
    int errorNumber;
    const char* english;
    const char* german;
};

// The system's texts arrive in the C library's language; these are the ones a save can meet.
constexpr SystemText kSystemTexts[] = {
    {ENOSPC, "No space left on device", "Kein Speicherplatz mehr auf dem Gerät"},
    {EDQUOT, "Disk quota exceeded", "Speicherplatzkontingent überschritten"},
    {EFBIG, "File too large", "Datei zu groß"},
    {EACCES, "Permission denied", "Zugriff verweigert"},
    {EROFS, "Read-only file system", "Dateisystem nur lesbar"},
    {EIO, "Input/output error", "Ein-/Ausgabefehler"},
    {ENOENT, "No such file or directory", "Datei oder Verzeichnis nicht gefunden"},
    {EISDIR, "Is a directory", "Ist ein Verzeichnis"},
    {EMFILE, "Too many open files", "Zu viele offene Dateien"},
    {EPERM, "Operation not permitted", "Vorgang nicht zulässig"},
};

QString translatedSystemText(const QString& text, int errorNumber)
{
    for (const SystemText& t : kSystemTexts) {
        if (t.errorNumber == errorNumber || text.contains(QLatin1String(t.english), Qt::CaseInsensitive))
            return QString::fromUtf8(t.german);
    }
    // Qt says "Unknown error" when a write stopped short without a system error.
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        return {};
    return text;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

QString fileErrorText(QFileDevice::FileError error, const QString& systemText, int errorNumber)
{
    QString what;
    switch (error) {
    case QFileDevice::ResourceError:
        what = QStringLiteral("Nicht genug Speicherplatz");
        break;
    case QFileDevice::PermissionsError:
        what = QStringLiteral("Keine Berechtigung");
        break;
    case QFileDevice::OpenError:
        what = QStringLiteral("Die Datei konnte nicht geöffnet werden");
        break;
    case QFileDevice::ReadError:
        what = QStringLiteral("Lesefehler");
        break;
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
        what = QStringLiteral("Die Datei konnte nicht ersetzt werden");
        break;
    default:
        what = QStringLiteral("Schreibfehler");
        break;
    }
    const QString system = translatedSystemText(systemText.trimmed(), errorNumber);
    if (system.isEmpty() || system.compare(what, Qt::CaseInsensitive) == 0)
        return what + QLatin1Char('.');
    return what + QStringLiteral(" (") + system + QStringLiteral(").");
}

WriteOutcome writeFileSafely(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    // A link stays a link: the file it points to is replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    QTemporaryFile file(target + QLatin1String(kTemporaryMarker) + QStringLiteral("XXXXXX"));
    if (!file.open())
        return {false, fileErrorText(file.error(), file.errorString(), errno)};

    // A write that stops short leaves only errno to say why (a full disk, a size limit).
    errno = 0;
    bool ok = writer(file);
    int errorNumber = errno;
    if (ok && !file.flush()) {
        ok = false;
        errorNumber = errno;
    }
    if (ok && ::fsync(file.handle()) != 0) {
        ok = false;
        errorNumber = errno;
    }
    if (!ok || file.error() != QFileDevice::NoError) {
        const QFileDevice::FileError error
            = file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
        return {false, fileErrorText(error, file.errorString(), errorNumber)};
    }

    // The old file's permissions carry over; a new file gets the usual ones, not the temporary's.
    struct stat old
    {
    };
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        mode = old.st_mode & 07777;
    if (::fchmod(file.handle(), mode) != 0)
        return {false, fileErrorText(QFileDevice::PermissionsError, QString(), errno)};
    file.close();
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return {false, fileErrorText(QFileDevice::RenameError, QString(), errno)};
    file.setAutoRemove(false); // it has its final name now
    return {};
}

void removeStrayTemporaries(const QString& path)
{
    // Only names this program gives its temporaries: a breeder's own copies
    // ("taubenstamm.dat.sicher") stay where they are.
    const QFileInfo info(path);
    QDir dir = info.absoluteDir();
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(info.fileName())
                                     + QRegularExpression::escape(QLatin1String(kTemporaryMarker))
                                     + QStringLiteral("[A-Za-z0-9]{6}$"));
    const QStringList names = dir.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (pattern.match(name).hasMatch())
            dir.remove(name);
    }
}
