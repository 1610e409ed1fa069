#pragma once

#include "list/item.h"
#include "list/namesplit.h"
#include "platform/posixfilesystem.h"
#include "temptree.h"
#include "text/bytename.h"

#include <utility>
#include <vector>

// An item as the loader makes it from a file `diskName` in `folder` (native bytes).
inline Item diskItem(const QByteArray& folder, const QByteArray& diskName)
{
    Item item{ByteName::decode(folder), {}, {}, {}, {}, folder, diskName};
    NameSplit::fill(item, ByteName::decode(diskName));
    return item;
}

// Every file under `folder` of the tree as (path relative to the tree, content), by path.
inline std::vector<std::pair<QByteArray, QByteArray>> filesUnder(const TempTree& tree,
                                                                 const QByteArray& folder = {})
{
    std::vector<std::pair<QByteArray, QByteArray>> out;
    for (const QByteArray& name : tree.list(folder)) {
        const QByteArray relative = folder.isEmpty() ? name : folder + '/' + name;
        if (PosixFileSystem().pathKind(tree.path(relative)) == PathKind::Folder) {
            for (auto& inner : filesUnder(tree, relative))
                out.push_back(std::move(inner));
        } else {
            out.emplace_back(relative, tree.content(relative));
        }
    }
    return out;
}
