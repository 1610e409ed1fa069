#pragma once

#include "list/item.h"
#include "list/namesplit.h"
#include "platform/posixfilesystem.h"
#include "temptree.h"
#include "text/bytename.h"

#include <algorithm>
#include <vector>

// An item as the loader makes it from a file `diskName` in `folder` (native bytes).
inline Item diskItem(const QByteArray& folder, const QByteArray& diskName)
{
    Item item{ByteName::decode(folder), {}, {}, {}, {}, folder, diskName};
    NameSplit::fill(item, ByteName::decode(diskName));
    return item;
}

// Every file under `folder` of the tree as "path<content" (path relative to the tree), sorted.
inline std::vector<QByteArray> filesWithContent(const TempTree& tree, const QByteArray& folder = {})
{
    std::vector<QByteArray> out;
    for (const QByteArray& name : tree.list(folder)) {
        const QByteArray relative = folder.isEmpty() ? name : folder + '/' + name;
        if (PosixFileSystem().pathKind(tree.path(relative)) == PathKind::Folder) {
            const std::vector<QByteArray> inner = filesWithContent(tree, relative);
            out.insert(out.end(), inner.begin(), inner.end());
        } else {
            out.push_back(relative + '<' + tree.content(relative));
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}
