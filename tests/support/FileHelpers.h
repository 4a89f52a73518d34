#pragma once

#include <QByteArray>
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
