#pragma once

#include <QByteArray>

#include <functional>
#include <optional>
#include <vector>

// What a path on disk is, judged by its own attributes: a symbolic link is never a
// folder, whatever it points to.
enum class PathKind { File, Folder };

struct FolderEntry {
    QByteArray name;              // on-disk bytes
    std::optional<PathKind> kind; // empty when the listing could not tell
};

// What tells one file from another on disk, taken with lstat. The inode number alone is
// not enough: FAT under FUSE (and in the kernel) numbers files anew at each mount, and
// FAT under FUSE even gives a file the number of the entry it was moved onto; a device
// number changes when a removable disk is plugged in again. So a file is "the same" when
// its inode, size and modification time (to the nanosecond) agree; where inode numbers
// do not last (stableInode false), when size and modification time agree. The device
// and the mount are kept for the record.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeSeconds = 0;
    qint64 mtimeNanoseconds = 0;
    quint64 links = 1;       // hard links to the file; not part of its identity
    bool stableInode = true; // the folder's file system keeps inode numbers across mounts
    quint64 mount = 0;       // the unique id of the mount in this boot; 0: unknown
    bool regularFile = true;

    bool sameFile(const FileIdentity& other) const
    {
        const bool inodeCounts = stableInode && other.stableInode;
        return (!inodeCounts || inode == other.inode) && size == other.size &&
               mtimeSeconds == other.mtimeSeconds && mtimeNanoseconds == other.mtimeNanoseconds &&
               regularFile == other.regularFile;
    }
    // The very same inode right now (two names of one file), whatever the file system.
    bool sameInode(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// Result of one rename: 0 on success, else an errno value.
struct RenameResult {
    int error = 0;
    bool ok() const { return error == 0; }
};

// The file system as the program uses it: reading what is there and renaming. The
// application uses the POSIX implementation; tests make listings and renames fail.
//
// Paths are native byte strings, exactly as the file system stores them. A folder ""
// stands for the root folder, so that folder + "/" + name is always a full path.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The kind of the entry at path, or empty when it is missing or cannot be read.
    virtual std::optional<PathKind> pathKind(const QByteArray& path) = 0;
    // Appends a folder's entries in name order (foldernameorder.h), the same on every
    // file system, without "." and "..". False when the folder cannot be read.
    virtual bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) = 0;
    // Renames folder/oldName to folder/newName. Never replaces anything.
    virtual RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName) = 0;
    // The identity of folder/name (never following a symbolic link), or empty when
    // nothing is there or it cannot be read.
    virtual std::optional<FileIdentity> identify(const QByteArray& folder,
                                                 const QByteArray& name) = 0;
    // Removes folder/name only while it is still the file `expected` names (same inode,
    // size and time); 0, or an errno (EEXIST when it is another file now). For leftovers
    // of a rename that Undo has proven its own.
    virtual int removeLeftover(const QByteArray& folder, const QByteArray& name,
                               const FileIdentity& expected) = 0;
    // Where a file system has no no-replace rename and no hard links, the new name is
    // first reserved with an empty file. watch(nothing) runs right before that file is
    // made and watch(its identity) right after, before the file moves onto it, so that a
    // journal can hold both. An errno returned by watch stops that rename with that error
    // (a reservation just made is removed). An empty function stops watching.
    using ReservationWatch = std::function<int(const std::optional<FileIdentity>& reservation)>;
    virtual void watchReservations(ReservationWatch watch) { Q_UNUSED(watch); }
    // A run of renames begins or ends. In between, an implementation may keep the folder
    // of the last rename open for the next one, never past the end of the run.
    virtual void beginRenames() {}
    virtual void endRenames() {}

    // Begins a run of renames for as long as it lives.
    class RenameRun {
    public:
        explicit RenameRun(FileSystem& fileSystem) : m_fileSystem(fileSystem)
        {
            m_fileSystem.beginRenames();
        }
        ~RenameRun() { m_fileSystem.endRenames(); }
        RenameRun(const RenameRun&) = delete;
        RenameRun& operator=(const RenameRun&) = delete;

    private:
        FileSystem& m_fileSystem;
    };

    static QByteArray join(const QByteArray& folder, const QByteArray& name)
    {
        return folder + '/' + name;
    }
};
