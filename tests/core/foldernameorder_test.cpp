#include "list/fileloader.h"
#include "platform/foldernameorder.h"
#include "rowname.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <linux/magic.h>
#include <sys/vfs.h>

namespace {

bool onFileSystem(const QString& folder, long magic)
{
    struct statfs st;
    return ::statfs(QFile::encodeName(folder).constData(), &st) == 0 && long(st.f_type) == magic;
}

// A folder to make test trees in on the file system of that type, or "" when none is
// at hand.
QString folderOn(long magic)
{
    for (const QString& folder :
         {QDir::tempPath(), QDir::currentPath(), QStringLiteral("/dev/shm")})
        if (onFileSystem(folder, magic))
            return folder;
    return {};
}

// ext4 lists in hash order, tmpfs newest first, FAT in creation order.
struct Place {
    const char* name;
    long magic;
};
const Place places[] = {{"ext4", EXT4_SUPER_MAGIC}, {"tmpfs", TMPFS_MAGIC}};

int run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit
               ? process.exitCode()
               : -1;
}

// A FAT image mounted through FUSE while the object lives; failure() says why not.
class FatMount {
public:
    FatMount()
    {
        const QString image = m_dir.filePath(QStringLiteral("fat.img"));
        if (!QDir().mkdir(point()) || run("mkfs.vfat", {"-C", image, "8192"}) != 0)
            m_failure = "mkfs.vfat could not make an image";
        else if (!(m_mounted = run("fusefat", {"-o", "rw+", image, point()}) == 0) ||
                 !onFileSystem(point(), FUSE_SUPER_MAGIC))
            m_failure = "fusefat could not mount the image";
    }
    ~FatMount()
    {
        if (m_mounted)
            run("fusermount", {"-uz", point()}); // lazily, should anything still hold it
    }
    QString point() const { return m_dir.filePath(QStringLiteral("mnt")); }
    const char* failure() const { return m_failure; }

private:
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/filevane-fat-XXXXXX")};
    bool m_mounted = false;
    const char* m_failure = nullptr;
};

struct OrderCase {
    const char* name;
    std::vector<QByteArray> created; // in this order
    std::vector<QByteArray> listed;
};

void PrintTo(const OrderCase& row, std::ostream* out)
{
    *out << row.name;
}

class ListingOrder : public testing::TestWithParam<OrderCase> {};

} // namespace

TEST_P(ListingOrder, IsTheSameOnEveryFileSystem)
{
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const QString parent = folderOn(place.magic);
        ASSERT_FALSE(parent.isEmpty()) << "no folder on " << place.name;
        TempTree tree(parent);
        for (const QByteArray& name : GetParam().created)
            tree.addFile(name);
        std::vector<FolderEntry> entries;
        ASSERT_TRUE(PosixFileSystem().listFolder(tree.root(), entries));
        std::vector<std::string> names;
        for (const FolderEntry& entry : entries)
            names.push_back(entry.name.toStdString());
        std::vector<std::string> want;
        for (const QByteArray& name : GetParam().listed)
            want.push_back(name.toStdString());
        EXPECT_EQ(names, want);
    }
}

const OrderCase orderCases[] = {
    {"letter case ignored, upper case first between equal keys",
     {"b.txt", "a.txt", "B.txt", "A.txt"},
     {"A.txt", "a.txt", "B.txt", "b.txt"}},
    {"digits compare as characters: file10 before file9",
     {"file9", "File2", "file10", "file1"},
     {"file1", "file10", "File2", "file9"}},
    {"underscore after letters, which compare upper-cased",
     {"file_b", "fileZ", "file-c", "filea"},
     {"file-c", "filea", "fileZ", "file_b"}},
    {"letters beyond ASCII after it, by their upper case",
     {"\xcf\x89mega", "\xc3\xa4pfel", "Zebra", "\xce\xa9mega", "\xc3\x84pfel", "apfel"},
     {"apfel", "Zebra", "\xc3\x84pfel", "\xc3\xa4pfel", "\xce\xa9mega", "\xcf\x89mega"}},
    {"sharp s is its own upper case, not SS",
     {"stra\xc3\x9f"
      "e",
      "strasz", "strasse"},
     {"strasse", "strasz",
      "stra\xc3\x9f"
      "e"}},
    {"names not UTF-8 after every letter, by their bytes",
     {"caf\xe9", "cafz", "caf\xe8", "caf\xc3\xa9"},
     {"cafz", "caf\xc3\xa9", "caf\xe8", "caf\xe9"}},
};
INSTANTIATE_TEST_SUITE_P(Names, ListingOrder, testing::ValuesIn(orderCases), rowName<OrderCase>);

TEST(LoadedTree, IsInNameOrderFolderByFolderOnEveryFileSystem)
{
    // Names FAT can hold too: no two differ in letter case only.
    const QList<QByteArray> files =
        QByteArray("b.txt A.txt file10.jpg file9.jpg file_1.jpg Zeta/z.txt "
                   "Zeta/Inner/i.txt alpha/Two.txt alpha/one.txt "
                   "alpha/deep/d.txt Beta9/y.txt beta10/x.txt")
            .split(' ');
    const std::vector<std::string> want = {
        "~|A.txt",       "~|b.txt",         "~|file10.jpg",       "~|file9.jpg",
        "~|file_1.jpg",  "~/alpha|one.txt", "~/alpha|Two.txt",    "~/beta10|x.txt",
        "~/Beta9|y.txt", "~/Zeta|z.txt",    "~/alpha/deep|d.txt", "~/Zeta/Inner|i.txt"};
    const FatMount fat;
    std::vector<std::pair<const char*, QString>> parents;
    if (fat.failure())
        std::cout << "FAT skipped: " << fat.failure() << '\n';
    else
        parents.emplace_back("FAT", fat.point());
    for (const Place& place : places)
        parents.emplace_back(place.name, folderOn(place.magic));

    for (const auto& [name, parent] : parents) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(parent.isEmpty()) << "no folder on " << name;
        TempTree tree(parent);
        for (const QByteArray& file : files)
            tree.addFile(file);
        ItemStore store;
        ScriptedPlatform platform;
        FileLoader(store, platform, platform).AddDirectory(tree.root());
        const QString root = QFile::decodeName(tree.root());
        std::vector<std::string> lines;
        for (int i = 0; i < store.ItemCount(); ++i)
            lines.push_back(QString(store.item(i).ItemPath).replace(root, "~").toStdString() + '|' +
                            store.item(i).line().toStdString());
        EXPECT_EQ(lines, want);
    }
}
