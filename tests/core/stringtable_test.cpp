#include "resources/stringtable.h"

#include <gtest/gtest.h>

TEST(StringTable, textsFitTheTableLimits)
{
    // Every text is at most 55 characters on one line.
    for (int id : {100, 101, 102, 103, 104, 105, 109, 300, 301, 302, 303, 305, 308, 312, 320,
                   321, 340, 341, 342, 343, 350, 360, 400, 401, 402, 500, 501, 510, 511, 512,
                   513, 514, 515, 516, 608, 609, 630, 631, 632, 640, 641, 642, 643}) {
        const QString text = LoadResString(id);
        EXPECT_FALSE(text.isEmpty()) << id;
        EXPECT_LE(text.size(), 55) << id;
        EXPECT_FALSE(text.contains(QChar(13)) || text.contains(QChar(10))) << id;
    }
}

TEST(StringTable, keepsTheProgramsOwnSpelling)
{
    EXPECT_EQ(LoadResString(401), QStringLiteral("One or more dublicate filenames found"));
    EXPECT_EQ(LoadResString(102), QStringLiteral("Filevane Version $ [beta %]"));
    EXPECT_EQ(joinLines({630, 631}),
              QStringLiteral("e.g. $ - %%\r$ for filename, % for file number"));
}
