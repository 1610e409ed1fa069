#pragma once

#include <QByteArray>
#include <QString>

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

// The services the program takes from its surroundings: the file system, the modal
// prompts, the folder browser and the event loop. The application uses the Qt
// implementation; tests script every answer.
//
// Paths are native byte strings. A folder "" stands for the root folder, so that
// folder + "/" + name is always a full path.
class Platform {
public:
    virtual ~Platform() = default;

    // File system.
    virtual std::optional<PathKind> pathKind(const QByteArray& path) = 0;
    // Lists a folder's entries in name order (foldernameorder.h), the same on every file
    // system, without "." and "..". False when the folder cannot be read.
    virtual bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) = 0;
    // Renames folder/oldName to folder/newName. Never replaces anything.
    virtual RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                                    const QByteArray& newName) = 0;

    // User interface. Texts may hold line breaks as the character 13.
    virtual QString browseForFolder(const QString& instruction) = 0; // "" when cancelled
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& preset) = 0; // "" when cancelled
    virtual void messageBox(const QString& text, const QString& title) = 0;
    // Opens the find and replace dialog in the mode of the find and replace values.
    virtual void showFindReplace() = 0;
    // Lets the window repaint and handle queued input, then returns.
    virtual void processPendingEvents() = 0;
};
