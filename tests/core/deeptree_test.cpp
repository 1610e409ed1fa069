#include "list/fileloader.h"
#include "rename/renamerunner.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <dirent.h>
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
        ASSERT_EQ(::write(fd, file.constData(), size_t(file.size())), file.size());
        ::close(fd);
        ASSERT_EQ(::mkdirat(dir, level.constData(), 0755), 0);
        const int next = ::openat(dir, level.constData(), O_RDONLY | O_DIRECTORY);
        ::close(dir);
        ASSERT_GE(next, 0);
        dir = next;
    }
    ::close(dir);
}

// "name=content" of each file in each folder of the chain, from the top; removes the
// chain.
std::vector<std::vector<QByteArray>> takeDownDeep(const QByteArray& root)
{
    std::vector<int> dirs{::open(root.constData(), O_RDONLY | O_DIRECTORY)};
    std::vector<std::vector<QByteArray>> names;
    while (dirs.back() >= 0) {
        std::vector<QByteArray> here;
        DIR* listing = ::fdopendir(::dup(dirs.back()));
        while (const dirent* entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == ".." || name == level)
                continue;
            char content[64] = {};
            const int fd = ::openat(dirs.back(), name.constData(), O_RDONLY);
            const ssize_t size = fd < 0 ? 0 : ::read(fd, content, sizeof content);
            ::close(fd);
            here.push_back(name + '=' + QByteArray(content, std::max<ssize_t>(size, 0)));
        }
        ::closedir(listing);
        names.push_back(here);
        dirs.push_back(::openat(dirs.back(), level.constData(), O_RDONLY | O_DIRECTORY));
    }
    dirs.pop_back();
    for (size_t i = dirs.size(); i-- > 0;) {
        for (const QByteArray& entry : names[i])
            ::unlinkat(dirs[i], entry.left(entry.indexOf('=')).constData(), 0);
        if (i > 0)
            ::unlinkat(dirs[i - 1], level.constData(), AT_REMOVEDIR);
        ::close(dirs[i]);
    }
    return names;
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
    for (int i = 0; i < levels; ++i) {
        EXPECT_EQ(store.item(i).NewName, QStringLiteral("file%1").arg(i));
        store.setNewName(i, QStringLiteral("renamed%1").arg(i));
    }
    RenameRunner(store, platform, platform).RenameFiles(true);

    EXPECT_TRUE(platform.messages.empty());
    const auto names = takeDownDeep(tree.root());
    ASSERT_EQ(names.size(), size_t(levels + 1));
    for (int depth = 0; depth < levels; ++depth) {
        const QByteArray number = QByteArray::number(depth);
        EXPECT_EQ(names[size_t(depth)],
                  std::vector<QByteArray>{"renamed" + number + ".txt=file" + number + ".txt"});
    }
}

} // namespace
