#include "platform/saferename.h"

#include <QFile>
#include <QHash>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#endif

namespace saferename {

namespace {

QByteArray fullPath(const QByteArray& folder, const QByteArray& name)
{
    return folder + '/' + name;
}

// The longest name in bytes the folder's file system takes.
long nameLimit(const QByteArray& folder)
{
#ifdef _WIN32
    Q_UNUSED(folder);
    return 255;
#else
    // A run asks for the same folders thousands of times; answers are kept for a moment
    // only, so that a remount later on is still seen.
    struct Cache {
        QHash<QByteArray, long> limits;
        std::chrono::steady_clock::time_point until;
    };
    thread_local Cache cache;
    const auto now = std::chrono::steady_clock::now();
    if (now >= cache.until || cache.limits.size() > 4096) {
        cache.limits.clear();
        cache.until = now + std::chrono::seconds(2);
    }
    const auto found = cache.limits.constFind(folder);
    if (found != cache.limits.constEnd())
        return found.value();
    const QByteArray path = folder.isEmpty() ? QByteArray("/") : folder;
    long limit = ::pathconf(path.constData(), _PC_NAME_MAX);
    if (limit <= 0)
        limit = NAME_MAX;
    cache.limits.insert(folder, limit);
    return limit;
#endif
}

#ifndef _WIN32

void runHook(const Faults& faults, const QByteArray& folder, const QByteArray& newName)
{
    if (faults.beforeMove)
        faults.beforeMove(folder, newName);
}

bool noReplaceUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

bool linkUnsupported(int error)
{
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS ||
           error == EMLINK;
}

bool sameInode(const QByteArray& a, const QByteArray& b)
{
    struct stat sa, sb;
    return ::lstat(a.constData(), &sa) == 0 && ::lstat(b.constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Link the new name, then drop the old one. When the old name cannot be dropped the new
// link is taken back, so the file keeps exactly one of the two names.
int moveByLink(const QByteArray& from, const QByteArray& to)
{
    if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), 0) != 0)
        return errno;
    if (::unlink(from.constData()) == 0)
        return 0;
    const int error = errno;
    if (sameInode(from, to))
        ::unlink(to.constData());
    return error;
}

// One move within the folder that never replaces an entry; 0 or an errno.
int moveNoReplace(const QByteArray& folder, const QByteArray& oldName, const QByteArray& newName,
                  const Faults& faults)
{
    const QByteArray from = fullPath(folder, oldName);
    const QByteArray to = fullPath(folder, newName);

    int error = faults.noReplaceError;
    if (error == 0) {
        runHook(faults, folder, newName);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) ==
            0)
            return 0;
        error = errno;
    }
    if (!noReplaceUnsupported(error))
        return error;

    error = faults.linkError;
    if (error == 0) {
        runHook(faults, folder, newName);
        error = moveByLink(from, to);
        if (error == 0)
            return 0;
    }
    if (!linkUnsupported(error))
        return error;

    // Last resort: nothing at all may be at the target, a dangling link included.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    runHook(faults, folder, newName);
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

QByteArray temporaryName()
{
    static std::atomic<unsigned> counter{0};
    return ".filevane-" + QByteArray::number(qint64(::getpid()), 16) + '-' +
           QByteArray::number(counter.fetch_add(1), 16) + ".tmp";
}

#endif

} // namespace

int checkNewName(const QByteArray& folder, const QByteArray& newName)
{
    if (newName.isEmpty() || newName == "." || newName == "..")
        return EINVAL;
    if (newName.contains('/') || newName.contains('\0'))
        return EINVAL;
#ifdef _WIN32
    if (newName.contains('\\') || newName.contains(':'))
        return EINVAL;
#endif
    if (newName.size() > nameLimit(folder))
        return ENAMETOOLONG;
    return 0;
}

bool isSameEntry(const struct stat& source, const struct stat& target, const QByteArray& oldName,
                 const QByteArray& newName)
{
    if (source.st_dev != target.st_dev || source.st_ino != target.st_ino)
        return false;
    if (source.st_nlink <= 1)
        return true;
    return QString::compare(QFile::decodeName(oldName), QFile::decodeName(newName),
                            Qt::CaseInsensitive) == 0;
}

#ifdef _WIN32

RenameResult renameInFolder(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName, const Faults& faults)
{
    if (const int refused = checkNewName(folder, newName))
        return {refused};
    if (oldName == newName)
        return {};
    if (faults.beforeMove)
        faults.beforeMove(folder, newName);
    // Without MOVEFILE_REPLACE_EXISTING the call fails when the target exists, and
    // without MOVEFILE_COPY_ALLOWED it never copies. A change of letter case alone is a
    // rename of the one entry there.
    const std::wstring from = QString::fromUtf8(fullPath(folder, oldName)).toStdWString();
    const std::wstring to = QString::fromUtf8(fullPath(folder, newName)).toStdWString();
    if (::MoveFileExW(from.c_str(), to.c_str(), 0))
        return {};
    switch (::GetLastError()) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return {EEXIST};
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return {ENOENT};
    case ERROR_ACCESS_DENIED:
        return {EACCES};
    default:
        return {EIO};
    }
}

RenameResult renameThroughTemporary(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName, const Faults& faults)
{
    return renameInFolder(folder, oldName, newName, faults);
}

#else

RenameResult renameInFolder(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName, const Faults& faults)
{
    if (const int refused = checkNewName(folder, newName))
        return {refused};
    if (oldName == newName) {
        struct stat st;
        return {::lstat(fullPath(folder, oldName).constData(), &st) == 0 ? 0 : errno};
    }
    const int error = moveNoReplace(folder, oldName, newName, faults);
    if (error != EEXIST)
        return {error};

    struct stat source, target;
    if (::lstat(fullPath(folder, oldName).constData(), &source) != 0 ||
        ::lstat(fullPath(folder, newName).constData(), &target) != 0 ||
        !isSameEntry(source, target, oldName, newName))
        return {EEXIST};
    return renameThroughTemporary(folder, oldName, newName, faults);
}

RenameResult renameThroughTemporary(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName, const Faults& faults)
{
    if (const int refused = checkNewName(folder, newName))
        return {refused};
    QByteArray parked;
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        parked = temporaryName();
        error = moveNoReplace(folder, oldName, parked, faults);
    }
    if (error != 0)
        return {error};
    error = moveNoReplace(folder, parked, newName, faults);
    if (error != 0)
        moveNoReplace(folder, parked, oldName, faults);
    return {error};
}

#endif

} // namespace saferename
