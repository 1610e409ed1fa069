#pragma once

#include "list/extensiontexts.h"
#include "list/itemstore.h"
#include "platform/filesystem.h"
#include "platform/userinteraction.h"

#include <memory>
#include <vector>

// Fills the list: the Add directory command (a whole folder tree, breadth-first), drops
// of files and folders, lists of files known beforehand, and Clear list.
//
// A folder scan runs on the caller's thread and lets pending window events run each time
// it moves on to the next folder, so the lines appear while a large tree is read. While
// a scan runs, isScanning() is true and the loader refuses to start another command or to
// clear the list; requestStop() ends the scan at the next folder and keeps what was found.
// The store must outlive the loader. The loader may itself be destroyed while pending
// events run (its window closed): the scan then returns at once without touching anything.
class FileLoader {
public:
    FileLoader(ItemStore& store, FileSystem& fileSystem, UserInteraction& interaction);
    ~FileLoader();
    FileLoader(const FileLoader&) = delete;
    FileLoader& operator=(const FileLoader&) = delete;

    // The Add directory command: asks for a folder and adds its tree.
    void addDirectoryCommand();
    // Appends every file of the tree below path (native bytes; "/" is the root folder).
    // Entries whose names start with a dot are skipped, links are never followed, and a
    // folder that cannot be read or an entry that cannot be classified is skipped.
    void AddDirectory(QByteArray path);
    // The Add files command: asks for files, opening in LastDirectory, and adds them as a
    // drop of the same files would.
    void addFilesCommand();
    // A drop of files and folders (native byte paths, in drop order).
    void dropPaths(const std::vector<QByteArray>& paths);
    // Test only (no caller in the program): appends one item per path as a drop of those
    // files would, but takes every path to be a file without asking the file system, for
    // lists known to hold files only. Paths are absolute, in native bytes. Refused while a
    // scan runs.
    void addFiles(const std::vector<QByteArray>& paths);
    // Appends the file name (on-disk bytes) of folder ("" is the root folder) as one item,
    // unless the list is full.
    void addFile(const QByteArray& folder, const QByteArray& name);
    void clearList();

    // A scan in progress stops at the next folder and keeps what it found.
    void requestStop() { m_stopRequested = true; }
    bool isScanning() const { return m_scanning; }
    // Files the last command found but did not add because the list was full.
    int notAdded() const { return m_notAdded; }

private:
    int m_notAdded = 0;
    bool beginCommand();
    void endCommand() { m_scanning = false; }
    // Scans one tree; false when the loader was destroyed meanwhile, in which case the
    // caller must return without touching any member.
    bool scanTree(QByteArray path);
    // addFile with the folder's display text decoded once by the caller.
    void appendFile(const QByteArray& folder, const QString& itemPath, const QByteArray& name);
    void addFilePath(const QByteArray& path);

    ItemStore& m_store;
    FileSystem& m_fileSystem;
    UserInteraction& m_interaction;
    bool m_scanning = false;
    bool m_stopRequested = false;
    std::shared_ptr<bool> m_alive;
    ExtensionTexts m_extensions;
    std::vector<char16_t> m_decoded; // the name being added, decoded
};
