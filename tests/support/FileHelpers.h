#pragma once

#include <QByteArray>
#include <QString>

#include <sys/resource.h>

// A file's bytes, or nothing when it cannot be read.
QByteArray contents(const QString& path);
// Writes bytes to a file (making its folder), failing the test when that does not work.
void put(const QString& path, const QByteArray& bytes);

// Lets writes beyond `bytes` fail as on a full disk, for the lifetime of the object.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

private:
    rlimit m_old {};
};
