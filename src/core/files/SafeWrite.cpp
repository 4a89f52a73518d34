#include "core/files/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>

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

} // namespace

QString germanFileError(QFileDevice::FileError error, const QString& systemText, int errorNumber)
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, germanFileError(file.error(), file.errorString())};

    // QSaveFile buffers: a failed write may only show in flush() or error(),
    // and commit() alone has been seen to report success on a full disk.
    errno = 0;
    const bool written = writer(file);
    // A write that stops short leaves only errno to say why (a full disk, a size limit).
    int errorNumber = errno;
    const bool flushed = written && file.flush();
    if (written && !flushed)
        errorNumber = errno;
    if (!written || !flushed || file.error() != QFileDevice::NoError) {
        QFileDevice::FileError error = file.error();
        if (error == QFileDevice::NoError)
            error = QFileDevice::WriteError;
        const WriteOutcome outcome {false, germanFileError(error, file.errorString(), errorNumber)};
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return outcome;
    }
    if (!file.commit())
        return {false, germanFileError(file.error(), file.errorString())};
    return {};
}

void removeStrayTemporaries(const QString& path)
{
    const QFileInfo info(path);
    QDir dir = info.absoluteDir();
    // QSaveFile names its temporary file after the target plus a dot and six characters.
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(info.fileName())
                                     + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QStringList names = dir.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (pattern.match(name).hasMatch())
            dir.remove(name);
    }
}
