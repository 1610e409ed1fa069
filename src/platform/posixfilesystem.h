#pragma once

#include "platform/filesystem.h"
#include "platform/saferename.h"

#include <functional>

// The file system on POSIX systems, working on the bytes of names exactly as the file
// system stores them. Renames go through saferename and never replace anything.
class PosixFileSystem : public FileSystem {
public:
    std::optional<PathKind> pathKind(const QByteArray& path) override;
    // Appends a folder's entries in name order (foldernameorder.h), whatever order the
    // file system keeps.
    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) override;
    // Within a run, the folder of the last rename stays open for the next one in it: a
    // run of thousands of files then opens each folder once, not once per file.
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override;
    std::optional<FileIdentity> identify(const QByteArray& folder, const QByteArray& name) override;
    int removeLeftover(const QByteArray& folder, const QByteArray& name,
                       const FileIdentity& expected) override;
    void watchReservations(ReservationWatch watch) override { m_watch = std::move(watch); }
    void beginRenames() override { m_inRun = true; }
    void endRenames() override;

    PosixFileSystem() = default;
    ~PosixFileSystem() override { endRenames(); }
    PosixFileSystem(const PosixFileSystem&) = delete;
    PosixFileSystem& operator=(const PosixFileSystem&) = delete;

    // Test seams: runs right before the call that moves the file, after every check; and
    // the faults and hooks every rename gets (beforeRename, when set, takes the place of
    // faults.beforeMove).
    std::function<void(const QByteArray& folder, const QByteArray& newName)> beforeRename;
    saferename::Faults faults;

private:
    void closeFolder();
    // The folder as a descriptor: the one kept open in a run, else a new one that
    // `owned` closes. -1 with errno set when it cannot be opened.
    int folderFd(const QByteArray& folder, int& owned);

    ReservationWatch m_watch;
    bool m_openStable = true; // m_openFolder's file system keeps its inode numbers

    bool m_inRun = false;
    QByteArray m_openFolder; // the folder m_openFd stands for
    int m_openFd = -1;
};
