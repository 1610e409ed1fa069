#include "fatmount.h"
#include "rename/renamerunner.h"
#include "renamefiles.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Renames on a real FAT file system under FUSE, where a plain rename replaces its target
// and neither no-replace renames nor hard links exist.

namespace {

#define REQUIRE_FAT(mount)                                                                         \
    if (!(mount).mounted())                                                                        \
    GTEST_SKIP() << "no FUSE FAT mount: " << qPrintable((mount).whyNot())

QByteArray at(const QByteArray& folder, const QByteArray& name)
{
    return folder + '/' + name;
}

bool createExclusive(const QByteArray& path, const QByteArray& content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    return written;
}

QByteArray contentOf(const QByteArray& path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(FatRename, targetCreatedBeforeEachAttemptIsKept)
{
    FatMount fat;
    REQUIRE_FAT(fat);
    PosixFileSystem fs;
    fs.beforeRename = [](const QByteArray& dir, const QByteArray& name) {
        createExclusive(at(dir, name), "late");
    };
    for (int i = 0; i < 20; ++i) {
        const QByteArray n = QByteArray::number(i), from = "f" + n, to = "t" + n;
        ASSERT_TRUE(createExclusive(at(fat.root(), from), "file " + n));
        EXPECT_EQ(fs.renameFile(fat.root(), from, to).error, EEXIST) << i;
        EXPECT_EQ(contentOf(at(fat.root(), from)) + '|' + contentOf(at(fat.root(), to)),
                  "file " + n + "|late")
            << i;
    }
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(fs.listFolder(fat.root(), entries));
    EXPECT_EQ(entries.size(), 40u); // no reservation left behind
}

TEST(FatRename, aRenameKeepsTheModificationTime)
{
    FatMount fat;
    REQUIRE_FAT(fat);
    const QByteArray from = at(fat.root(), "old"), to = at(fat.root(), "new");
    ASSERT_TRUE(createExclusive(from, "bytes"));
    const struct timespec times[2] = {{1577872800, 0}, {1577872800, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, from.constData(), times, 0), 0);
    PosixFileSystem fs;
    ASSERT_TRUE(fs.renameFile(fat.root(), "old", "new").ok());
    struct stat st;
    ASSERT_EQ(::stat(to.constData(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1577872800); // not the time of the move
    EXPECT_EQ(contentOf(to), "bytes");
}

TEST(FatRename, applyAllWithAConcurrentWriterLosesNothing)
{
    FatMount fat;
    REQUIRE_FAT(fat);
    // FAT looks names up one entry at a time, so the files are spread over folders.
    const int count = 2000, folders = 40;
    const auto folderOf = [&](int i) {
        return at(fat.root(), "m" + QByteArray::number(i % folders));
    };
    const auto nameOf = [](const char* prefix, int i) {
        return prefix + QByteArray::number(i) + ".mp3";
    };
    for (int f = 0; f < folders; ++f)
        ASSERT_EQ(::mkdir(folderOf(f).constData(), 0755), 0);
    ItemStore store;
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(
            createExclusive(at(folderOf(i), nameOf("s", i)), "song " + QByteArray::number(i)));
        store.append(diskItem(folderOf(i), nameOf("s", i)));
        store.setNewName(i, QStringLiteral("t%1").arg(i));
    }

    // Another program creates files under the names being given, from the end of the
    // list (where Apply starts) downwards, with O_EXCL as a careful program does.
    std::atomic<bool> stop{false};
    std::vector<int> written;
    std::thread writer([&] {
        for (int i = count - 1; i >= 0 && !stop; i -= 2) {
            if (createExclusive(at(folderOf(i), nameOf("t", i)), "writer"))
                written.push_back(i);
        }
    });
    ScriptedPlatform platform;
    RenameRunner runner(store, platform);
    runner.RemoveAfterRename = false;
    runner.RenameFiles(true);
    stop = true;
    writer.join();

    int renamed = 0;
    for (int i = 0; i < count; ++i) {
        const bool byWriter = std::find(written.begin(), written.end(), i) != written.end();
        const bool moved = store.item(i).diskName.startsWith('t');
        renamed += moved;
        ASSERT_EQ(contentOf(at(folderOf(i), nameOf(moved ? "t" : "s", i))),
                  "song " + QByteArray::number(i))
            << i;
        if (byWriter) {
            ASSERT_FALSE(moved) << i;
            ASSERT_EQ(contentOf(at(folderOf(i), nameOf("t", i))), "writer") << i;
        }
    }
    // Each target went to exactly one of the two, and both sides had their turns.
    EXPECT_EQ(renamed + int(written.size()), count);
    EXPECT_GT(renamed, 0);
}

} // namespace
