#include "rename/renamereport.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

ItemRenameResult result(const char* folder, const char* from, const char* to, RenameOutcome outcome,
                        int error = 0)
{
    return {-1, folder, from, to, outcome, error};
}

TEST(RenameReport, countsAndOneDetailLinePerFileNotRenamed)
{
    std::vector<ItemRenameResult> results(120, result("/d", "a", "b", RenameOutcome::Renamed));
    results[3] = result("/d/e", "x.txt", "y.txt", RenameOutcome::Failed, EEXIST);
    results[50] = result("", "\xff.txt", "z", RenameOutcome::Failed, EACCES);
    // Control characters (C0, DEL, C1) and line separators are escaped: one line per file.
    results[60] = result("/d\x1f", "two\nlines\xc2\x85\t\x7f\xe2\x80\xa8", "z",
                         RenameOutcome::Failed, EEXIST);
    results[119] = result("/d", "long", "l…ng", RenameOutcome::TooLong, ENAMETOOLONG);
    // Lines that already had their name took part without a rename: counted apart.
    for (int i = 10; i < 14; ++i)
        results[size_t(i)] = result("/d", "same", "same", RenameOutcome::Renamed);
    const RenameReport report(results);
    EXPECT_EQ(report.countText(), QStringLiteral("4 of 116 files were not renamed"));
    EXPECT_EQ(report.summary(), QStringLiteral("112 renamed, 4 not renamed, 4 unchanged"));
    EXPECT_EQ(report.detailLines(),
              QStringList(
                  {QStringLiteral("/d/e: x.txt → y.txt: a file with that name exists"),
                   QStringLiteral("/: \uFFFD.txt → z: permission denied"),
                   QStringLiteral("/d\\x1f: two\\nlines\\x85\\t\\x7f\\u2028 → z: a file with that "
                                  "name exists"),
                   QStringLiteral("/d: long → l…ng: the name is too long for this file system")}));

    // Items a stopped run never tried are counted apart and get no detail line.
    std::vector<ItemRenameResult> stopped(5, result("/d", "c", "d", RenameOutcome::NotTried));
    stopped.push_back(result("/d", "a", "b", RenameOutcome::Failed, EEXIST));
    stopped.push_back(result("/d", "e", "f", RenameOutcome::Renamed));
    EXPECT_EQ(RenameReport(stopped).countText(),
              QStringLiteral("6 of 7 files were not renamed\n"
                             "5 files were left untouched because the run was stopped"));
    EXPECT_EQ(RenameReport(stopped).detailLines(),
              QStringList{QStringLiteral("/d: a → b: a file with that name exists")});
    EXPECT_EQ(RenameReport({result("/d", "a", "", RenameOutcome::EmptyName)}).countText(),
              QStringLiteral("1 of 1 files was not renamed"));
}

} // namespace
