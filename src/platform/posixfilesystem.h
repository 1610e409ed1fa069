#pragma once

#include "platform/filesystem.h"

#include <functional>

// The file system on POSIX systems, working on the bytes of names exactly as the file
// system stores them. Renames go through saferename and never replace anything.
class PosixFileSystem : public FileSystem {
public:
    std::optional<PathKind> pathKind(const QByteArray& path) override;
    // Appends a folder's entries in name order (foldernameorder.h), whatever order the
    // file system keeps.
    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) override;
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override;

    // Test seam: runs right before the call that moves the file, after every check.
    std::function<void(const QByteArray& folder, const QByteArray& newName)> beforeRename;
};
