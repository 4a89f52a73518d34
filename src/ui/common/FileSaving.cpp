#include "ui/common/FileSaving.h"

#include "core/files/SafeWrite.h"
#include "core/files/SpecialFolder.h"
#include "ui/common/Messages.h"
#include "ui/common/Prompts.h"

#include <QCoreApplication>
#include <QDir>

bool reportWritten(QWidget* parent, const QString& path, const WriteOutcome& written, const QString& success)
{
    if (!written.ok) {
        Messages::current().warn(
            parent,
            QCoreApplication::translate("FileSaving", "Die Datei „%1“ konnte nicht geschrieben werden: %2")
                .arg(QDir::toNativeSeparators(path), written.reason));
        return false;
    }
    Messages::current().inform(parent, success);
    return true;
}

bool saveCsvFile(QWidget* parent, const QString& title, const QString& fileName,
                 const std::function<QByteArray()>& content, const QString& success)
{
    return saveDataFile(parent, title, fileName, QStringLiteral("csv"), content, success);
}

bool saveDataFile(QWidget* parent, const QString& title, const QString& fileName, const QString& suffix,
                  const std::function<QByteArray()>& content, const QString& success)
{
    const QString proposed = specialFolder(SpecialFolder::Documents) + QLatin1Char('/') + fileName;
    const QString path
        = Prompts::current().saveFileName(parent, title, proposed, QStringLiteral("*.") + suffix, suffix);
    if (path.isEmpty())
        return false;
    const QByteArray bytes = content();
    const WriteOutcome written
        = writeFileSafely(path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    return reportWritten(parent, path, written, success.arg(QDir::toNativeSeparators(path)));
}
