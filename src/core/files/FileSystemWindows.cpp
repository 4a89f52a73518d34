#include "core/files/FileSystem.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <io.h>
#include <windows.h>

namespace {

// The errno values the German reasons are kept for, from Windows' own codes.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    default:
        return EIO;
    }
}

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

HANDLE handleOf(QFileDevice& file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
}

} // namespace

namespace FileSystem {

int syncToDisk(QFileDevice& file)
{
    if (!FlushFileBuffers(handleOf(file)))
        return errnoOf(GetLastError());
    stepDone("synced", file.fileName());
    return 0;
}

int carryPermissions(QFileDevice&, const QString&)
{
    return 0; // a new file takes the folder's permissions, as any file made there would
}

int replace(const QString& from, const QString& to)
{
    if (!MoveFileExW(native(from).c_str(), native(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return errnoOf(GetLastError());
    stepDone("renamed", to);
    return 0;
}

int statError(const QString& path)
{
    return GetFileAttributesW(native(path).c_str()) != INVALID_FILE_ATTRIBUTES ? 0 : errnoOf(GetLastError());
}

int remove(const QString& path)
{
    if (!DeleteFileW(native(path).c_str())) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : errnoOf(error);
    }
    stepDone("removed", path);
    return 0;
}

} // namespace FileSystem

FileLock::FileLock(const QString& path, Mode mode, bool create, Wait wait)
{
    const HANDLE file = CreateFileW(native(path).c_str(), create ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        m_openError = errnoOf(GetLastError());
        return;
    }
    m_handle = reinterpret_cast<qintptr>(file);
    OVERLAPPED whole {};
    const DWORD flags
        = (mode == Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0) | (wait == Wait::No ? LOCKFILE_FAIL_IMMEDIATELY : 0);
    m_held = LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &whole);
}

bool FileLock::replaceContents(const QByteArray& bytes)
{
    const auto file = reinterpret_cast<HANDLE>(m_handle);
    DWORD written = 0;
    return m_handle != -1 && SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER
        && WriteFile(file, bytes.constData(), DWORD(bytes.size()), &written, nullptr) && SetEndOfFile(file)
        && written == DWORD(bytes.size());
}

FileLock::~FileLock()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle)); // releases the lock
}
