#pragma once

#include "app/filelistview.h"
#include "list/fileloader.h"
#include "list/itemstore.h"
#include "platform/posixfilesystem.h"
#include "platform/qtuserinteraction.h"

#include <string>
#include <vector>

class TempTree;

// A loader over the real file system with its list shown offscreen, as the window has it.
struct ShownLoader {
    ShownLoader();

    PosixFileSystem fileSystem;
    QtUserInteraction interaction{nullptr, {}};
    ItemStore store;
    FileListView view{store};
    FileLoader loader{store, fileSystem, interaction};
};

// The floor of every load: a breadth-first readdir walk that classifies each entry and
// does nothing else with it. Returns the number of files found.
int rawWalk(const std::string& root);

// The loading group's tree: 32767 files in 1000 folders three levels deep, named with
// spaces, several dots and letters beyond ASCII. Returns the folders, relative.
std::vector<QByteArray> buildLoadingTree(TempTree& tree);
