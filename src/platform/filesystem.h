#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// What a path on disk is, judged by its own attributes: a symbolic link is never a
// folder, whatever it points to.
enum class PathKind { File, Folder };

struct FolderEntry {
    QByteArray name;              // on-disk bytes
    std::optional<PathKind> kind; // empty when the listing could not tell
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
