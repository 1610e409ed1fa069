#include "platform/posixfilesystem.h"

#include "platform/foldernameorder.h"
#include "platform/saferename.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    saferename::Faults faults;
    faults.beforeMove = beforeRename;
#ifndef _WIN32
    if (m_inRun) {
        int openError = 0;
        if (m_openFd < 0 || folder != m_openFolder) {
            closeFolder();
            m_openFd = saferename::openFolder(folder);
            openError = errno;
            if (m_openFd >= 0)
                m_openFolder = folder;
        }
        // A name that can name no entry is refused first, as outside a run.
        if (const int refused = saferename::checkNewName(folder, newName, m_openFd))
            return {refused};
        if (m_openFd < 0)
            return {openError};
        return saferename::renameAt(m_openFd, folder, oldName, newName, faults);
    }
#endif
    return saferename::renameInFolder(folder, oldName, newName, faults);
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
