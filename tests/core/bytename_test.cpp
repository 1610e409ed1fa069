#include "text/bytename.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct CodecRow {
    const char* name;
    QByteArray bytes;
    QString text; // what decode gives
};

QString units(std::initializer_list<char16_t> list)
{
    QString out;
    for (char16_t c : list)
        out.append(QChar(c));
    return out;
}

// clang-format off
const CodecRow codecRows[] = {
    {"valid two, three and four byte characters", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x8e\xb5", units({0xe9, 0x20ac, 0xd83c, 0xdfb5})},
    {"latin-1 byte becomes its escape", "caf\xe9", units({'c', 'a', 'f', 0xdce9})},
    {"two stray bytes", "\xff\xfe", units({0xdcff, 0xdcfe})},
    {"overlong slash is three escapes", "\xe0\x80\xaf", units({0xdce0, 0xdc80, 0xdcaf})},
    {"truncated sequence at the end", "a\xe2\x82", units({'a', 0xdce2, 0xdc82})},
    {"stray continuation before a valid letter", "\x80\xc3\xa9", units({0xdc80, 0xe9})},
    {"emoji whose low half looks like an escape", "\xf0\x9f\x93\xa9", units({0xd83d, 0xdce9})},
    {"lead byte cut by ascii", "\xc3" "a", units({0xdcc3, 'a'})},
};
// clang-format on

TEST(ByteName, decodesAndEncodesBack)
{
    for (const CodecRow& row : codecRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ByteName::decode(row.bytes), row.text);
        EXPECT_EQ(ByteName::encode(row.text), row.bytes);
    }
}

TEST(ByteName, randomBytesRoundTrip)
{
    std::mt19937 rng(11);
    // UTF-8 lead and continuation bytes, so that valid and broken sequences abound, and
    // as many ASCII bytes, so that runs of ASCII end at every offset.
    const char pool[] =
        "abcdefgh.-_ 0123456\x80\x8f\x90\xbf\xc2\xc3\xdf\xe0\xe2\xed\xef\xf0\xf4\xf5\xff\xa9";
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int length = int(rng() % 24);
        for (int k = 0; k < length; ++k)
            bytes.append(pool[rng() % (sizeof pool - 1)]);
        const QString text = ByteName::decode(bytes);
        ASSERT_EQ(ByteName::encode(text), bytes) << bytes.toHex().constData();
    }
}

struct ForeignRow {
    const char* name;
    QString text;
    bool foreign;
};

TEST(ByteName, tellsForeignSurrogatesFromEscapes)
{
    // clang-format off
    const ForeignRow rows[] = {
        {"high half of a cut emoji", units({'a', 0xd83c}), true},
        {"low half of a cut emoji", units({0xdfb5, 'a'}), true},
        {"low surrogate below the escapes", units({0xdc7f}), true},
        {"two high halves before a low one", units({0xd83c, 0xd83c, 0xdfb5}), true},
        {"whole emoji", units({0xd83c, 0xdfb5}), false},
        {"escape", units({0xdce9}), false},
        {"escape after an emoji", units({0xd83c, 0xdfb5, 0xdce9}), false},
    };
    // clang-format on
    for (const ForeignRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(!ByteName::encode(row.text).has_value(), row.foreign);
    }
}

} // namespace
