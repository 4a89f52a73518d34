#include "core/files/FileSystem.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// A new or vanished name must itself reach the disk: the folder that holds it is synced.
void syncFolderOf(const QString& path)
{
    const QByteArray folder = native(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
        FileSystem::stepDone("folder synced", path);
    }
}

} // namespace

namespace FileSystem {

int syncToDisk(QFileDevice& file)
{
    if (::fsync(file.handle()) != 0)
        return errno;
    stepDone("synced", file.fileName());
    return 0;
}

int carryPermissions(QFileDevice& file, const QString& target)
{
    struct stat old
    {
    };
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(native(target).constData(), &old) == 0)
        mode = old.st_mode & 07777;
    return ::fchmod(file.handle(), mode) == 0 ? 0 : errno;
}

int replace(const QString& from, const QString& to)
{
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return errno;
    stepDone("renamed", to);
    syncFolderOf(to);
    return 0;
}

int statError(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(native(path).constData(), &info) == 0 ? 0 : errno;
}

int remove(const QString& path)
{
    if (::unlink(native(path).constData()) != 0)
        return errno == ENOENT ? 0 : errno;
    stepDone("removed", path);
    syncFolderOf(path);
    return 0;
}

} // namespace FileSystem

FileLock::FileLock(const QString& path, Mode mode, bool create, Wait wait)
{
    const int flags = (create ? O_RDWR | O_CREAT : O_RDONLY) | O_CLOEXEC;
    const int fd = ::open(native(path).constData(), flags, 0644);
    if (fd < 0) {
        m_openError = errno;
        return;
    }
    m_handle = fd;
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | (wait == Wait::No ? LOCK_NB : 0);
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    m_held = result == 0;
}

bool FileLock::replaceContents(const QByteArray& bytes)
{
    const int fd = int(m_handle);
    return fd >= 0 && ::ftruncate(fd, 0) == 0
        && ::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size();
}

FileLock::~FileLock()
{
    if (m_handle >= 0)
        ::close(int(m_handle)); // releases the lock
}
