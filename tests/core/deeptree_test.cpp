#include "list/fileloader.h"
#include "rename/renamerunner.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A tree whose paths run far past PATH_MAX loads completely and renames at every depth.

namespace {

const int levels = 30;
const QByteArray level(200, 'd'); // 30 levels of 201 bytes: over 6000 bytes of path

// Builds the chain of folders through descriptors, one file in each.
void buildDeep(const QByteArray& root)
{
    int dir = ::open(root.constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(dir, 0);
    for (int depth = 0; depth < levels; ++depth) {
        const QByteArray file = "file" + QByteArray::number(depth) + ".txt";
        const int fd = ::openat(dir, file.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
        ASSERT_EQ(::mkdirat(dir, level.constData(), 0755), 0);
        const int next = ::openat(dir, level.constData(), O_RDONLY | O_DIRECTORY);
        ::close(dir);
        ASSERT_GE(next, 0);
        dir = next;
    }
    ::close(dir);
}

TEST(DeepTree, loadsAndRenamesPastPathMax)
{
    TempTree tree;
    buildDeep(tree.root());
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader(store, platform, platform).AddDirectory(tree.root());
    ASSERT_EQ(store.ItemCount(), levels);
    EXPECT_GT(store.item(levels - 1).diskFolder.size(), PATH_MAX);
    for (int i = 0; i < levels; ++i)
        store.setNewName(i, QStringLiteral("renamed%1").arg(i));
    EXPECT_EQ(RenameRunner(store, platform).RenameFiles(true).renamed, levels);

    FileLoader(store, platform, platform).AddDirectory(tree.root());
    ASSERT_EQ(store.ItemCount(), levels);
    for (int i = 0; i < levels; ++i)
        EXPECT_EQ(store.item(i).line(), QStringLiteral("renamed%1.txt").arg(i));
}

} // namespace
