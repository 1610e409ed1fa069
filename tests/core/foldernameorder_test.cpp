#include "platform/foldernameorder.h"
#include "platform/posixfilesystem.h"
#include "rowname.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <linux/magic.h>
#include <sys/vfs.h>

namespace {

// A folder to make test trees in on the file system of that type, or "" when none is
// at hand.
QString folderOn(long magic)
{
    for (const QString& folder :
         {QDir::tempPath(), QDir::currentPath(), QStringLiteral("/dev/shm")}) {
        struct statfs st;
        if (::statfs(QFile::encodeName(folder).constData(), &st) == 0 && long(st.f_type) == magic)
            return folder;
    }
    return {};
}

// ext4 lists in hash order, tmpfs newest first.
const std::pair<const char*, long> places[] = {{"ext4", EXT4_SUPER_MAGIC}, {"tmpfs", TMPFS_MAGIC}};

struct OrderCase {
    const char* name;
    std::vector<QByteArray> created; // in this order
    std::vector<QByteArray> listed;
};

class ListingOrder : public testing::TestWithParam<OrderCase> {};

} // namespace

TEST_P(ListingOrder, IsTheSameOnEveryFileSystem)
{
    for (const auto& [place, magic] : places) {
        SCOPED_TRACE(place);
        const QString parent = folderOn(magic);
        ASSERT_FALSE(parent.isEmpty()) << "no folder on " << place;
        TempTree tree(parent);
        for (const QByteArray& name : GetParam().created)
            tree.addFile(name);
        std::vector<FolderEntry> entries;
        ASSERT_TRUE(PosixFileSystem().listFolder(tree.root(), entries));
        std::vector<QByteArray> names;
        for (const FolderEntry& entry : entries)
            names.push_back(entry.name);
        EXPECT_EQ(names, GetParam().listed);
    }
}

// clang-format off
const OrderCase orderCases[] = {
    {"letter case ignored, upper case first between equal keys", {"b.txt", "a.txt", "B.txt", "A.txt"}, {"A.txt", "a.txt", "B.txt", "b.txt"}},
    {"digits compare as characters: file10 before file9", {"file9", "File2", "file10", "file1"}, {"file1", "file10", "File2", "file9"}},
    {"underscore after letters, which compare upper-cased", {"file_b", "fileZ", "file-c", "filea"}, {"file-c", "filea", "fileZ", "file_b"}},
    {"letters beyond ASCII after it, by their upper case", {"\xcf\x89mega", "\xc3\xa4pfel", "Zebra", "\xce\xa9mega", "\xc3\x84pfel", "apfel"},
     {"apfel", "Zebra", "\xc3\x84pfel", "\xc3\xa4pfel", "\xce\xa9mega", "\xcf\x89mega"}},
    {"sharp s is its own upper case, not SS", {"stra\xc3\x9f" "e", "strasz", "strasse"}, {"strasse", "strasz", "stra\xc3\x9f" "e"}},
    {"names not UTF-8 after every letter, by their bytes",
     {"caf\xe9", "cafz", "caf\xe8", "caf\xc3\xa9"}, {"cafz", "caf\xc3\xa9", "caf\xe8", "caf\xe9"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Names, ListingOrder, testing::ValuesIn(orderCases), rowName<OrderCase>);
