#include "core/files/FileOps.h"

#include "core/files/SafeWrite.h"

#include <QFile>

QString copyFileReplacing(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fileErrorText(in.error(), in.errorString());
    bool readFailed = false;
    const WriteOutcome outcome = writeFileSafely(target, [&in, &readFailed](QIODevice& out) {
        char block[64 * 1024];
        for (;;) {
            const qint64 n = in.read(block, sizeof block);
            if (n < 0) {
                readFailed = true;
                return false;
            }
            if (n == 0)
                return true;
            if (out.write(block, n) != n)
                return false;
        }
    });
    if (readFailed)
        return fileErrorText(in.error(), in.errorString());
    return outcome.ok ? QString() : outcome.reason;
}

QString removeFileIfExists(const QString& path)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return {};
    return fileErrorText(file.error(), file.errorString());
}
