#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

// A file's bytes, or nothing when it cannot be read.
QByteArray contents(const QString& path);
// Writes bytes to a file (making its folder), failing the test when that does not work.
void put(const QString& path, const QByteArray& bytes);

// Whether the tests run under Wine rather than on Windows or Linux.
bool runningUnderWine();

// Makes a folder the user's home for this process and those it starts: data,
// settings and documents lie in it (HOME and XDG_* here, AVELOR_HOME on Windows).
void useTestHome(const QString& path);

// Takes this process's right to read a file, or to change a folder, away for
// the lifetime of the object, as a breeder's system may. On Linux by its mode
// (and, run as root, whom modes do not stop, by acting as the user "nobody"
// meanwhile); on Windows a file is held open without sharing, and a folder
// cannot be made read-only (the object then does nothing: `works()` says so).
class NoAccess
{
public:
    enum class What
    {
        ReadFile,
        ChangeFolder,
    };
    NoAccess(const QString& path, What what);
    ~NoAccess();
    NoAccess(const NoAccess&) = delete;
    NoAccess& operator=(const NoAccess&) = delete;

    bool works() const { return m_works; }

private:
    QString m_path;
    bool m_works = false;
    void* m_handle = nullptr;
    QList<QPair<QByteArray, unsigned>> m_modes; // to put back
    bool m_actingAsNobody = false;
};

#ifdef Q_OS_WIN
// Holds a file open without sharing, as a virus scanner may: while the object
// lives, no one else can read, replace or delete it.
class HeldFile
{
public:
    explicit HeldFile(const QString& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    void* m_handle;
};
#else
// Lets writes beyond `bytes` fail as on a full disk, for the lifetime of the object.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

private:
    rlimit m_old {};
};
#endif
