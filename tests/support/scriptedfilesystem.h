#pragma once

#include "platform/posixfilesystem.h"

#include <map>

// The real file system (tests use their own temporary folders) with seams to make
// listings and renames fail: "the next rename of a.txt fails with EACCES".
class ScriptedFileSystem : public FileSystem {
public:
    std::map<QByteArray, int> failListing;  // folder -> errno: the listing fails
    std::map<QByteArray, int> failRenameOf; // old name -> errno: that rename fails
    PosixFileSystem fileSystem;
    int renameCalls = 0;

    std::optional<PathKind> pathKind(const QByteArray& path) override
    {
        return fileSystem.pathKind(path);
    }
    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) override
    {
        return !failListing.count(folder) && fileSystem.listFolder(folder, entries);
    }
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override
    {
        ++renameCalls;
        const auto failure = failRenameOf.find(oldName);
        return failure != failRenameOf.end() ? RenameResult{failure->second}
                                             : fileSystem.renameFile(folder, oldName, newName);
    }
    void beginRenames() override { fileSystem.beginRenames(); }
    void endRenames() override { fileSystem.endRenames(); }
};
