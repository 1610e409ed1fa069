#pragma once

#include "platform/posixfilesystem.h"

#include <chrono>
#include <map>
#include <thread>

// The real file system (tests use their own temporary folders) with seams to make
// listings and renames fail: "the next rename of a.txt fails with EACCES", and to make
// renames slow, as on a USB stick.
class ScriptedFileSystem : public FileSystem {
public:
    std::map<QByteArray, int> failListing;  // folder -> errno: the listing fails
    std::map<QByteArray, int> failRenameOf; // old name -> errno: that rename fails
    PosixFileSystem fileSystem;
    int renameCalls = 0;
    std::chrono::milliseconds renameDelay{0}; // each rename takes this long

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
        if (renameDelay.count() > 0)
            std::this_thread::sleep_for(renameDelay);
        const auto failure = failRenameOf.find(oldName);
        return failure != failRenameOf.end() ? RenameResult{failure->second}
                                             : fileSystem.renameFile(folder, oldName, newName);
    }
    std::optional<FileIdentity> identify(const QByteArray& folder, const QByteArray& name) override
    {
        return fileSystem.identify(folder, name);
    }
    int removeLeftover(const QByteArray& folder, const QByteArray& name,
                       const FileIdentity& expected) override
    {
        return fileSystem.removeLeftover(folder, name, expected);
    }
    void watchReservations(ReservationWatch watch) override
    {
        fileSystem.watchReservations(std::move(watch));
    }
    void beginRenames() override { fileSystem.beginRenames(); }
    void endRenames() override { fileSystem.endRenames(); }
};
