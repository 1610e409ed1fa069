#include "rename/renamereport.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(RenameReport, reasonsInPlainWords)
{
    const std::pair<int, const char*> rows[] = {
        {EEXIST, "a file with that name exists"},
        {EACCES, "permission denied"},
        {EPERM, "permission denied"},
        {ENOENT, "the file is no longer there"},
        {ENAMETOOLONG, "the name is too long for this file system"},
        {EINVAL, "not a valid name"},
        {EROFS, "the disk is read-only"},
        {ENOSPC, "the disk is full"},
    };
    for (const auto& [error, text] : rows)
        EXPECT_EQ(RenameReport::reason(error), QString::fromUtf8(text)) << error;
    EXPECT_TRUE(RenameReport::reason(ELOOP).startsWith(QStringLiteral("error %1 (").arg(ELOOP)));
}

TEST(RenameReport, countsAndOneDetailLinePerFailedFile)
{
    std::vector<RenameOutcome> outcomes(120, {"/d", "a", "b", 0});
    outcomes[3] = {"/d/e", "x.txt", "y.txt", EEXIST};
    outcomes[50] = {"", "\xff.txt", "z", EACCES};
    outcomes[119] = {"/d", "long", "l…ng", ENAMETOOLONG};
    const RenameReport report(outcomes);
    EXPECT_EQ(report.countText(), QStringLiteral("3 of 120 files were not renamed"));
    EXPECT_EQ(report.summary(), QStringLiteral("117 renamed, 3 not renamed"));
    EXPECT_EQ(report.detailLines(),
              QStringList(
                  {QStringLiteral("/d/e: x.txt → y.txt: a file with that name exists"),
                   QStringLiteral("/: \uFFFD.txt → z: permission denied"),
                   QStringLiteral("/d: long → l…ng: the name is too long for this file system")}));

    const RenameReport stopped({{"/d", "a", "b", EEXIST}, {"/d", "c", "d", 0}}, 5);
    EXPECT_EQ(stopped.countText(),
              QStringLiteral("6 of 7 files were not renamed\n"
                             "5 files were left untouched because the run was stopped"));
    EXPECT_EQ(stopped.summary(), QStringLiteral("1 renamed, 6 not renamed"));
    EXPECT_EQ(RenameReport({{"/d", "a", "b", EIO}}).countText(),
              QStringLiteral("1 of 1 files was not renamed"));
}

} // namespace
