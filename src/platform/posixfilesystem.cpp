#include "platform/posixfilesystem.h"

#include "platform/foldernameorder.h"
#include "platform/saferename.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// Whether the file system of an open folder keeps a file's inode number for good, also
// across mounts. FAT and exFAT (in the kernel or under FUSE) and FUSE file systems in
// general number files anew at each mount, so only the kinds known to keep them count.
bool keepsInodes(int dirFd)
{
    struct statfs fs;
    if (::fstatfs(dirFd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0xEF53:     // ext2, ext3, ext4
    case 0x58465342: // xfs
    case 0x9123683E: // btrfs
    case 0x01021994: // tmpfs
    case 0xF2F52010: // f2fs
    case 0x2FC12FC1: // zfs
    case 0x6969:     // nfs
    case 0x7366746E: // ntfs3
    case 0x794C7630: // overlayfs
    case 0x3153464A: // jfs
    case 0xCA451A4E: // bcachefs
        return true;
    default:
        return false;
    }
}

FileIdentity identityOf(const struct stat& st, bool stable)
{
    FileIdentity id;
    id.device = (quint64(major(st.st_dev)) << 32) | minor(st.st_dev);
    id.inode = quint64(st.st_ino);
    id.size = qint64(st.st_size);
    id.mtimeSeconds = qint64(st.st_mtim.tv_sec);
    id.mtimeNanoseconds = qint64(st.st_mtim.tv_nsec);
    id.links = quint64(st.st_nlink);
    id.stableInode = stable;
    id.regularFile = !S_ISDIR(st.st_mode);
    return id;
}

// The unique mount id (Linux 6.8 on); older kernels leave it out of the answer's mask.
constexpr unsigned MountIdMask = 0x4000U; // STATX_MNT_ID_UNIQUE

FileIdentity identityOf(const struct statx& sx, bool stable)
{
    FileIdentity id;
    id.device = (quint64(sx.stx_dev_major) << 32) | sx.stx_dev_minor;
    id.inode = quint64(sx.stx_ino);
    id.size = qint64(sx.stx_size);
    id.mtimeSeconds = qint64(sx.stx_mtime.tv_sec);
    id.mtimeNanoseconds = qint64(sx.stx_mtime.tv_nsec);
    id.links = quint64(sx.stx_nlink);
    id.stableInode = stable;
    id.regularFile = !S_ISDIR(sx.stx_mode);
    id.mount = (sx.stx_mask & MountIdMask) ? quint64(sx.stx_mnt_id) : 0;
    return id;
}

} // namespace

std::optional<PathKind> PosixFileSystem::pathKind(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0) {
        if (errno != ENAMETOOLONG)
            return std::nullopt;
        // Deeper than one call reaches: ask the folder that holds it.
        const qsizetype slash = path.lastIndexOf('/');
        if (slash < 0)
            return std::nullopt;
        const int dir = saferename::openFolder(path.left(slash));
        if (dir < 0)
            return std::nullopt;
        const bool found =
            ::fstatat(dir, path.mid(slash + 1).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        ::close(dir);
        if (!found)
            return std::nullopt;
    }
    return S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::File;
}

bool PosixFileSystem::listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries)
{
    const size_t first = entries.size();
    // By path first: one call less per folder than a descriptor and fdopendir.
    DIR* dir = ::opendir(folder.isEmpty() ? "/" : folder.constData());
    if (!dir && errno == ENAMETOOLONG) {
        // Deeper than one call reaches: through a descriptor opened piece by piece.
        const int fd = saferename::openFolder(folder);
        if (fd < 0)
            return false;
        dir = ::fdopendir(fd);
        if (!dir)
            ::close(fd);
    }
    if (!dir)
        return false;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        FolderEntry out;
        out.name = QByteArray(name);
        switch (entry->d_type) {
        case DT_DIR:
            out.kind = PathKind::Folder;
            break;
        case DT_UNKNOWN: {
            struct stat st;
            if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                out.kind = S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::File;
            break;
        }
        default:
            out.kind = PathKind::File;
            break;
        }
        entries.push_back(std::move(out));
    }
    ::closedir(dir);
    foldernameorder::sort(entries, first);
    return true;
}

RenameResult PosixFileSystem::renameFile(const QByteArray& folder, const QByteArray& oldName,
                                         const QByteArray& newName)
{
    saferename::Faults seams = faults;
    if (beforeRename)
        seams.beforeMove = beforeRename;
    if (m_watch) {
        seams.reserved = [this, &folder](const struct stat* st) {
            const bool stable = m_inRun && folder == m_openFolder ? m_openStable : false;
            return m_watch(st ? std::optional(identityOf(*st, stable)) : std::nullopt);
        };
    }
#ifndef _WIN32
    if (m_inRun) {
        int owned = -1;
        folderFd(folder, owned);
        const int openError = errno;
        // A name that can name no entry is refused first, as outside a run.
        if (const int refused = saferename::checkNewName(folder, newName, m_openFd))
            return {refused};
        if (m_openFd < 0)
            return {openError};
        return saferename::renameAt(m_openFd, folder, oldName, newName, seams);
    }
#endif
    return saferename::renameInFolder(folder, oldName, newName, seams);
}

int PosixFileSystem::folderFd(const QByteArray& folder, int& owned)
{
    owned = -1;
    if (m_inRun && m_openFd >= 0 && folder == m_openFolder)
        return m_openFd;
    if (m_inRun)
        closeFolder();
    const int fd = saferename::openFolder(folder);
    if (fd < 0)
        return -1;
    if (!m_inRun)
        return owned = fd;
    m_openFd = fd;
    m_openFolder = folder;
    m_openStable = keepsInodes(fd);
    return fd;
}

std::optional<FileIdentity> PosixFileSystem::identify(const QByteArray& folder,
                                                      const QByteArray& name)
{
    int owned = -1;
    const int dir = folderFd(folder, owned);
    if (dir < 0)
        return std::nullopt;
    struct statx sx;
    std::optional<FileIdentity> id;
    if (::statx(dir, name.constData(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | MountIdMask, &sx) ==
        0)
        id = identityOf(sx, owned >= 0 ? keepsInodes(dir) : m_openStable);
    if (owned >= 0)
        ::close(owned);
    return id;
}

int PosixFileSystem::removeLeftover(const QByteArray& folder, const QByteArray& name,
                                    const FileIdentity& expected)
{
    int owned = -1;
    const int dir = folderFd(folder, owned);
    if (dir < 0)
        return errno;
    struct stat st;
    int error = ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
    // Only the very file the journal recorded is ours to remove.
    if (error == 0 && (!identityOf(st, false).sameFile(expected) || st.st_ino != expected.inode ||
                       S_ISDIR(st.st_mode)))
        error = EEXIST;
    if (error == 0 && ::unlinkat(dir, name.constData(), 0) != 0)
        error = errno;
    if (owned >= 0)
        ::close(owned);
    return error;
}

void PosixFileSystem::endRenames()
{
    m_inRun = false;
    closeFolder();
}

void PosixFileSystem::closeFolder()
{
    if (m_openFd >= 0)
        ::close(m_openFd);
    m_openFd = -1;
    m_openFolder.clear();
}
