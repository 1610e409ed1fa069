#include "platform/posixfilesystem.h"

#include "platform/foldernameorder.h"
#include "platform/saferename.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

std::optional<PathKind> PosixFileSystem::pathKind(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return std::nullopt;
    return S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::File;
}

bool PosixFileSystem::listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries)
{
    const size_t first = entries.size();
    const QByteArray path = folder.isEmpty() ? QByteArray("/") : folder;
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return false;
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
        case DT_UNKNOWN:
            break;
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
    return saferename::renameInFolder(folder, oldName, newName, faults);
}
