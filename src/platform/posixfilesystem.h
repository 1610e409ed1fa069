#pragma once

#include "platform/platform.h"

#include <functional>

// The file system part of the platform on POSIX systems, working on the bytes of names
// exactly as the file system stores them.
class PosixFileSystem {
public:
    std::optional<PathKind> pathKind(const QByteArray& path) const;
    // Appends a folder's entries in name order (foldernameorder.h), whatever order the
    // file system keeps.
    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) const;
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) const;

    // Test seam: runs right before the call that moves the file, after every check.
    std::function<void(const QByteArray& folder, const QByteArray& newName)> beforeRename;

    static QByteArray join(const QByteArray& folder, const QByteArray& name);
};
