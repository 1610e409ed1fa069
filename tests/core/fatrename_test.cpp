#include "fatmount.h"
#include "platform/posixfilesystem.h"
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

bool isEmptyFile(const QByteArray& path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0;
}

// What another process does to the target while a rename is under way.
enum class Writer {
    CreatesFirst,
    WritesIntoReservation,
    ReplacesReservation,
    RefusedByReservation
};

struct RaceRow {
    const char* name;
    Writer writer;
    int error; // of the rename
};

// clang-format off
const RaceRow raceRows[] = {
    {"target created before the attempt is kept", Writer::CreatesFirst, EEXIST},
    {"writer that truncates the reservation keeps its file", Writer::WritesIntoReservation, EEXIST},
    {"writer that replaces the reservation keeps its file", Writer::ReplacesReservation, EEXIST},
    {"exclusive create of the reserved name is refused", Writer::RefusedByReservation, 0},
};
// clang-format on

TEST(FatRename, raceOnEveryAttemptLosesNothing)
{
    FatMount fat;
    REQUIRE_FAT(fat);
    for (const RaceRow& row : raceRows) {
        SCOPED_TRACE(row.name);
        const QByteArray folder = at(fat.root(), QByteArray::number(int(row.writer)));
        ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
        PosixFileSystem fs;
        bool writerRefused = false;
        fs.beforeRename = [&](const QByteArray& dir, const QByteArray& name) {
            const QByteArray target = at(dir, name);
            const bool reserved = isEmptyFile(target);
            switch (row.writer) {
            case Writer::CreatesFirst:
                createExclusive(target, "late");
                break;
            case Writer::WritesIntoReservation:
                if (reserved) {
                    QFile file(QFile::decodeName(target));
                    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                    file.write("late");
                }
                break;
            case Writer::ReplacesReservation:
                if (reserved && ::unlink(target.constData()) == 0)
                    createExclusive(target, "late");
                break;
            case Writer::RefusedByReservation:
                if (reserved)
                    writerRefused = !createExclusive(target, "late");
                break;
            }
        };
        for (int i = 0; i < 20; ++i) {
            const QByteArray n = QByteArray::number(i), from = "f" + n, to = "t" + n;
            ASSERT_TRUE(createExclusive(at(folder, from), "file " + n));
            writerRefused = false;
            EXPECT_EQ(fs.renameFile(folder, from, to).error, row.error) << i;
            EXPECT_EQ(writerRefused, row.error == 0) << i;
            // The file is under its new name, or under its old one beside the writer's.
            EXPECT_EQ(contentOf(at(folder, row.error ? from : to)), "file " + n) << i;
            if (row.error) {
                EXPECT_EQ(contentOf(at(folder, to)), "late") << i;
            }
        }
        std::vector<FolderEntry> entries;
        ASSERT_TRUE(fs.listFolder(folder, entries));
        EXPECT_EQ(entries.size(), row.error == 0 ? 20u : 40u); // no reservation left behind
    }
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
    RenameRunner runner(store, platform, platform);
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
