#include "ops/expressionoperations.h"
#include "text/bytename.h"

#include <gtest/gtest.h>

using Kind = ExpressionOperations::Kind;

TEST(ExpressionOperations, cutOrCropAtTheFirstMatch)
{
    const struct {
        const char* name;
        Kind kind;
        const char* expression;
        bool matchCase;
        const char *in, *expected;
    } rows[] = {
        {"cut before text", Kind::CutBefore, "2019", false, "IMG_2019_beach", "2019_beach"},
        {"cut after text", Kind::CutAfter, "2019", false, "IMG_2019_beach", "IMG_2019"},
        {"crop before text", Kind::CropBefore, "2019", false, "IMG_2019_beach", "IMG_"},
        {"only the first match", Kind::CropBefore, "_", false, "a_b_c", "a"},
        {"no match keeps the name", Kind::CutBefore, "xyz", false, "abc", "abc"},
        {"case ignored without match case", Kind::CropAfter, "img", false, "IMG_x", "_x"},
        {"case kept with match case", Kind::CropAfter, "img", true, "IMG_x", "IMG_x"},
        {"regular expression", Kind::CutBefore, "/\\d{4}/", false, "IMG_2019_beach", "2019_beach"},
        {"regular expression case ignored", Kind::CropAfter, "/img_/", false, "IMG_1", "1"},
        {"regular expression case kept", Kind::CropAfter, "/img_/", true, "IMG_1", "IMG_1"},
        {"empty match at the start", Kind::CropAfter, "/x*/", false, "abc", "abc"},
        {"empty match cut after empties the name", Kind::CutAfter, "/x*/", false, "abc", ""},
        {"surrogate pair before the match", Kind::CropAfter, "-", false, "\U0001F600-x", "x"},
        {"slashes inside plain text", Kind::CropAfter, "/", false, "a/b", "b"},
        {"a byte that is not UTF-8 stays beside a match", Kind::CropBefore, "/_\\d/", false,
         "caf\xe9_1", "caf\xe9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed =
            ExpressionOperations::parse(QString::fromUtf8(row.expression), row.matchCase);
        ASSERT_TRUE(parsed.expression) << parsed.error.toStdString();
        EXPECT_EQ(
            ExpressionOperations::apply(row.kind, *parsed.expression, ByteName::decode(row.in)),
            ByteName::decode(row.expected));
    }
    const auto invalid = ExpressionOperations::parse(QStringLiteral("/a(b/"), false);
    EXPECT_FALSE(invalid.expression);
    EXPECT_FALSE(invalid.error.isEmpty());
}
