#include "support/PopplerTools.h"

#include "support/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_WIN
QString linuxPath(const QString& path)
{
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return {};
    char* name = unixName(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()));
    const QString found = name ? QString::fromUtf8(name) : QString();
    HeapFree(GetProcessHeap(), 0, name);
    return found;
}

bool canReadPdfs()
{
    return !linuxPath(QDir::tempPath()).isEmpty() && QFile::exists(QStringLiteral("Z:/usr/bin/pdftotext"));
}
#else
bool canReadPdfs()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}
#endif

QString popplerOutput(const QString& tool, QStringList options, const QString& pdf, const QStringList& after)
{
    QProcess p;
#ifdef Q_OS_WIN
    // Wine runs the Linux tool, whose output a file carries back.
    const QString out = pdf + QStringLiteral(".") + tool + QStringLiteral(".txt");
    options << linuxPath(pdf) << after;
    for (QString& word : options)
        word = QLatin1Char('\'') + word + QLatin1Char('\'');
    // The file appears whole when the tool is done (start.exe may return before).
    const QString unixOut = linuxPath(out);
    p.start(QStringLiteral("start.exe"),
            {QStringLiteral("/wait"), QStringLiteral("/unix"), QStringLiteral("/bin/sh"), QStringLiteral("-c"),
             QStringLiteral("/usr/bin/%1 %2 > '%3.part'; mv '%3.part' '%3'")
                 .arg(tool, options.join(QLatin1Char(' ')), unixOut)});
    p.waitForFinished(30000);
    for (int waited = 0; waited < 300 && !QFile::exists(out); ++waited)
        QThread::msleep(100);
    const QString text = QString::fromUtf8(contents(out));
    QFile::remove(out);
    return text;
#else
    p.start(tool, options << pdf << after);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
#endif
}

QList<QImage> pdfPageImages(const QString& pdf, int dpi)
{
    const QString folder = pdf + QStringLiteral(".pages");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
#ifdef Q_OS_WIN
    const QString prefix = linuxPath(folder) + QStringLiteral("/page");
#else
    const QString prefix = folder + QStringLiteral("/page");
#endif
    popplerOutput(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png")}, pdf,
                  {prefix});
    QList<QImage> pages;
    // Page numbers come with as many leading zeros as the last one needs: sorted by name is in order.
    for (const QString& name : QDir(folder).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name))
        pages.append(QImage(folder + QLatin1Char('/') + name));
    QDir(folder).removeRecursively();
    return pages;
}
