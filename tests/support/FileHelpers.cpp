#include "support/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

bool runningUnderWine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

void useTestHome(const QString& path)
{
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "AVELOR_HOME"})
        qputenv(variable, path.toUtf8());
}

#ifdef Q_OS_WIN
HeldFile::HeldFile(const QString& path)
    : m_handle(CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ, 0,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
    QVERIFY2(m_handle != INVALID_HANDLE_VALUE, qPrintable(path));
}

HeldFile::~HeldFile()
{
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
}
#else
FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
}
#endif

#ifdef Q_OS_WIN
NoAccess::NoAccess(const QString& path, What what) : m_path(path)
{
    if (what == What::ChangeFolder)
        return;
    m_handle = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ, 0,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_works = m_handle != INVALID_HANDLE_VALUE;
}

NoAccess::~NoAccess()
{
    if (m_works)
        CloseHandle(m_handle);
}
#else
NoAccess::NoAccess(const QString& path, What what) : m_path(path)
{
    auto setMode = [this](const QString& file, unsigned mode) {
        const QByteArray name = QFile::encodeName(file);
        struct stat info
        {
        };
        if (::stat(name.constData(), &info) != 0)
            return false;
        m_modes.append({name, unsigned(info.st_mode & 07777)});
        return ::chmod(name.constData(), mode) == 0;
    };
    m_works = setMode(path, what == What::ReadFile ? 0 : 0555);
    if (m_works && ::geteuid() == 0) {
        // "nobody" must reach the path: every folder above it gets the right to pass through.
        for (QDir dir = QFileInfo(path).absoluteDir(); !dir.isRoot(); dir.cdUp()) {
            struct stat info
            {
            };
            if (::stat(QFile::encodeName(dir.path()).constData(), &info) == 0 && (info.st_mode & 0001) == 0)
                setMode(dir.path(), (info.st_mode & 07777) | 0055);
        }
        m_actingAsNobody = ::seteuid(65534) == 0;
        m_works = m_actingAsNobody;
    }
}

NoAccess::~NoAccess()
{
    if (m_actingAsNobody)
        QVERIFY(::seteuid(0) == 0);
    for (const auto& [name, mode] : m_modes)
        ::chmod(name.constData(), mode);
}
#endif
