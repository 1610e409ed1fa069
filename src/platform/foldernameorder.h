#pragma once

#include "platform/filesystem.h"

#include <cstddef>
#include <vector>

// The order in which a folder listing hands out its entries: by name, the same on every
// file system, whatever order the file system itself keeps (hash order on ext4, others on
// tmpfs, btrfs or FAT). So a folder of photos IMG_1255 ... IMG_1300 loads in sequence, and
// one tree loads alike wherever it lies.
//
// Names compare by their UTF-16 units after each unit on its own is upper-cased (so
// `A.txt` sits next to `a.txt`, and `file10` comes before `file9`); names whose keys are
// equal are ordered by their raw bytes, so the order is total.
namespace foldernameorder {

// Puts entries[first] to the end in name order, each name decoded and keyed once.
void sort(std::vector<FolderEntry>& entries, size_t first = 0);

} // namespace foldernameorder
