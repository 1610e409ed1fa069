#pragma once

#include "list/itemstore.h"
#include "platform/platform.h"

#include <vector>

// Fills the list: the Add directory command (a whole folder tree, breadth-first), drops
// of files and folders, and Clear list.
class FileLoader {
public:
    FileLoader(ItemStore& store, Platform& platform);

    // Marker results of ClassifyPath.
    static QChar folderMarker() { return QChar(1); }
    static QChar failureMarker() { return QChar(255); }
    // The folder marker for a folder, the failure marker when the attributes cannot be
    // read, else the extension without its dot ("" when there is none).
    QString ClassifyPath(const QByteArray& path);

    // The Add directory command: asks for a folder and adds its tree.
    void addDirectoryCommand();
    // Appends every file of the tree below path (native bytes).
    void AddDirectory(QByteArray path);
    // A drop of files and folders (native byte paths, in drop order).
    void dropPaths(const std::vector<QByteArray>& paths);
    void clearList();

    // A scan in progress stops at the next folder and keeps what it found.
    void requestStop() { m_stopRequested = true; }
    bool isScanning() const { return m_scanning; }

private:
    ItemStore& m_store;
    Platform& m_platform;
    bool m_scanning = false;
    bool m_stopRequested = false;
};
