#include "platform/saferename.h"

#include "text/bytename.h"
#include "text/caseless.h"

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

// The longest name in bytes the folder's file system takes; dirFd is the folder when the
// caller has it open, else -1.
long nameLimit(const QByteArray& folder, int dirFd)
{
#ifdef _WIN32
    Q_UNUSED(folder);
    Q_UNUSED(dirFd);
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
    const int fd = dirFd >= 0 ? dirFd : openFolder(folder);
    long limit = fd < 0 ? -1 : ::fpathconf(fd, _PC_NAME_MAX);
    if (fd >= 0 && fd != dirFd)
        ::close(fd);
    if (limit <= 0)
        limit = NAME_MAX;
    cache.limits.insert(folder, limit);
    return limit;
#endif
}

#ifndef _WIN32

// Closes a descriptor when it goes out of scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard() { close(); }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return m_fd; }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

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

bool statAt(int dirFd, const QByteArray& name, struct stat& st)
{
    return ::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool sameInode(int dirFd, const QByteArray& a, const QByteArray& b)
{
    struct stat sa, sb;
    return statAt(dirFd, a, sa) && statAt(dirFd, b, sb) && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Link the new name, then drop the old one. When the old name cannot be dropped the new
// link is taken back, so the file keeps exactly one of the two names.
int moveByLink(int dirFd, const QByteArray& from, const QByteArray& to, const Faults& faults)
{
    if (::linkat(dirFd, from.constData(), dirFd, to.constData(), 0) != 0)
        return errno;
    if (faults.afterLink)
        faults.afterLink();
    if (::unlinkat(dirFd, from.constData(), 0) == 0)
        return 0;
    const int error = errno;
    if (sameInode(dirFd, from, to))
        ::unlinkat(dirFd, to.constData(), 0);
    return error;
}

// Whether the entry found at the reserved name is still the empty file this run created
// there: the same inode, untouched since. A writer that opened the reservation without
// O_EXCL and wrote into it, or that replaced it, makes it someone else's file.
bool isReservation(const struct stat& reserved, const struct stat& found)
{
    return S_ISREG(found.st_mode) && found.st_dev == reserved.st_dev &&
           found.st_ino == reserved.st_ino && found.st_size == 0 &&
           found.st_mtim.tv_sec == reserved.st_mtim.tv_sec &&
           found.st_mtim.tv_nsec == reserved.st_mtim.tv_nsec;
}

void dropReservation(int dirFd, const QByteArray& name, const struct stat& reserved)
{
    struct stat found;
    if (statAt(dirFd, name, found) && isReservation(reserved, found))
        ::unlinkat(dirFd, name.constData(), 0);
}

// FAT under FUSE stamps a file moved onto another entry (here the reservation) with the
// time of the move: the file gets its own times back, so that a rename leaves its
// modification time alone (and its identity with it).
void keepTimes(int dirFd, const QByteArray& name, const struct stat& source)
{
    struct stat moved;
    if (!statAt(dirFd, name, moved) || !S_ISREG(moved.st_mode) || moved.st_size != source.st_size ||
        (moved.st_mtim.tv_sec == source.st_mtim.tv_sec &&
         moved.st_mtim.tv_nsec == source.st_mtim.tv_nsec))
        return;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    // Best effort: the rename is made, and an undo knows when the reservation was made.
    ::utimensat(dirFd, name.constData(), times, AT_SYMLINK_NOFOLLOW);
}

// The last resort where neither no-replace renames nor hard links exist (FAT under FUSE,
// where a plain rename replaces its target). The target name is first taken with an
// exclusive create, which fails when anything at all is there, a dangling link included;
// the file then moves onto that empty reservation, and only when the name still holds
// the very reservation right before the move.
//
// What remains: a process that replaces or writes into the reservation after the last
// check and before the rename completes loses that file or those writes, since the plain
// rename replaces whatever the name holds by then. Well-behaved writers create with
// O_EXCL and are refused while the reservation exists, so only a writer that deletes or
// truncates a file it did not create can fall into that window.
int moveOntoReservation(int dirFd, const QByteArray& folder, const QByteArray& from,
                        const QByteArray& to, const struct stat& source, const Faults& faults)
{
    if (faults.reserved) {
        if (const int error = faults.reserved(nullptr))
            return error;
    }
    FdGuard reservation(::openat(dirFd, to.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (reservation.get() < 0)
        return errno;
    struct stat reserved;
    if (::fstat(reservation.get(), &reserved) != 0) {
        const int error = errno;
        reservation.close();
        ::unlinkat(dirFd, to.constData(), 0); // just created, nothing can be in it yet
        return error;
    }
    int error = faults.reserved ? faults.reserved(&reserved) : 0;
    if (error != 0) {
        reservation.close();
        dropReservation(dirFd, to, reserved);
        return error;
    }
    runHook(faults, folder, to);
    struct stat found;
    if (!statAt(dirFd, to, found) || !isReservation(reserved, found))
        return EEXIST; // not ours any more: leave it alone
    // Closed first: FUSE keeps a replaced file that is still open under a hidden name.
    reservation.close();
    if (::renameat(dirFd, from.constData(), dirFd, to.constData()) == 0) {
        if (faults.afterMove)
            faults.afterMove();
        keepTimes(dirFd, to, source);
        return 0;
    }
    error = errno;
    dropReservation(dirFd, to, reserved);
    return error;
}

// One move within the folder that never replaces an entry; 0 or an errno.
int moveNoReplace(int dirFd, const QByteArray& folder, const QByteArray& oldName,
                  const QByteArray& newName, const Faults& faults)
{
    int error = faults.noReplaceError;
    if (error == 0) {
        runHook(faults, folder, newName);
        if (::renameat2(dirFd, oldName.constData(), dirFd, newName.constData(), RENAME_NOREPLACE) ==
            0)
            return 0;
        error = errno;
    }
    if (!noReplaceUnsupported(error))
        return error;

    error = faults.linkError;
    if (error == 0) {
        runHook(faults, folder, newName);
        error = moveByLink(dirFd, oldName, newName, faults);
        if (error == 0)
            return 0;
    }
    if (!linkUnsupported(error))
        return error;
    // A reservation needs the source to exist; without this the exclusive create would
    // leave an empty file behind for a source that is gone.
    struct stat source;
    if (!statAt(dirFd, oldName, source))
        return errno;
    return moveOntoReservation(dirFd, folder, oldName, newName, source, faults);
}

QByteArray temporaryName()
{
    static std::atomic<unsigned> counter{0};
    return ".filevane-" + QByteArray::number(qint64(::getpid()), 16) + '-' +
           QByteArray::number(counter.fetch_add(1), 16) + ".tmp";
}

RenameResult throughTemporaryAt(int dirFd, const QByteArray& folder, const QByteArray& oldName,
                                const QByteArray& newName, const Faults& faults)
{
    QByteArray parked;
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        parked = temporaryName();
        error = moveNoReplace(dirFd, folder, oldName, parked, faults);
    }
    if (error != 0)
        return {error};
    error = moveNoReplace(dirFd, folder, parked, newName, faults);
    if (error != 0)
        moveNoReplace(dirFd, folder, parked, oldName, faults);
    return {error};
}

#endif

} // namespace

int checkNewName(const QByteArray& folder, const QByteArray& newName, int dirFd)
{
    if (newName.isEmpty() || newName == "." || newName == "..")
        return EINVAL;
    if (newName.contains('/') || newName.contains('\0'))
        return EINVAL;
#ifdef _WIN32
    if (newName.contains('\\') || newName.contains(':'))
        return EINVAL;
#endif
    if (newName.size() > nameLimit(folder, dirFd))
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
    return Caseless::equal(ByteName::decode(oldName), ByteName::decode(newName));
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
    const std::wstring from = QString::fromUtf8(folder + '/' + oldName).toStdWString();
    const std::wstring to = QString::fromUtf8(folder + '/' + newName).toStdWString();
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

int openFolder(const QByteArray& folder)
{
    const QByteArray path = folder.isEmpty() ? QByteArray("/") : folder;
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    const int fd = ::open(path.constData(), flags);
    if (fd >= 0 || errno != ENAMETOOLONG)
        return fd;
    // Too long for one call: open it piece by piece, each piece a whole number of path
    // components shorter than PATH_MAX.
    int at = path.startsWith('/') ? ::open("/", flags) : ::open(".", flags);
    qsizetype start = 0;
    while (at >= 0) {
        while (start < path.size() && path[start] == '/')
            ++start;
        if (start >= path.size())
            return at;
        qsizetype end = path.size();
        if (end - start >= PATH_MAX) {
            end = path.lastIndexOf('/', start + PATH_MAX - 1);
            if (end <= start) {
                ::close(at);
                errno = ENAMETOOLONG;
                return -1;
            }
        }
        const int next = ::openat(at, path.mid(start, end - start).constData(), flags);
        const int error = errno;
        ::close(at);
        errno = error;
        at = next;
        start = end;
    }
    return -1;
}

RenameResult renameInFolder(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName, const Faults& faults)
{
    if (const int refused = checkNewName(folder, newName))
        return {refused};
    const FdGuard dir(openFolder(folder));
    if (dir.get() < 0)
        return {errno};
    return renameAt(dir.get(), folder, oldName, newName, faults);
}

RenameResult renameAt(int dirFd, const QByteArray& folder, const QByteArray& oldName,
                      const QByteArray& newName, const Faults& faults)
{
    if (oldName == newName) {
        struct stat st;
        return {statAt(dirFd, oldName, st) ? 0 : errno};
    }
    const int error = moveNoReplace(dirFd, folder, oldName, newName, faults);
    if (error != EEXIST)
        return {error};

    struct stat source, target;
    if (!statAt(dirFd, oldName, source) || !statAt(dirFd, newName, target) ||
        !isSameEntry(source, target, oldName, newName))
        return {EEXIST};
    return throughTemporaryAt(dirFd, folder, oldName, newName, faults);
}

RenameResult renameThroughTemporary(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName, const Faults& faults)
{
    if (const int refused = checkNewName(folder, newName))
        return {refused};
    const FdGuard dir(openFolder(folder));
    if (dir.get() < 0)
        return {errno};
    return throughTemporaryAt(dir.get(), folder, oldName, newName, faults);
}

#endif

} // namespace saferename
