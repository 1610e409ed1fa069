#include "list/extensionmatcher.h"

#include <gtest/gtest.h>

// A dot alone stands for no extension.
TEST(ExtensionMatcher, matchesAnyNamedExtensionIgnoringCase)
{
    const auto matcher = ExtensionMatcher::parse(QStringLiteral(" mp3, .OGG  flac, ."));
    ASSERT_TRUE(matcher);
    for (const char* ext : {".mp3", ".MP3", ".ogg", ".Flac", ""})
        EXPECT_TRUE(matcher->matches(QString::fromUtf8(ext))) << ext;
    for (const char* ext : {".mp", ".mp3x", "..mp3", ".wav"})
        EXPECT_FALSE(matcher->matches(QString::fromUtf8(ext))) << ext;
    for (const char* answer : {"", "   ", " , ,"})
        EXPECT_FALSE(ExtensionMatcher::parse(QString::fromUtf8(answer))) << answer;
    EXPECT_FALSE(ExtensionMatcher::parse(QStringLiteral("mp3"))->matches(QString()));
    EXPECT_EQ(ExtensionMatcher::presetFor(QStringLiteral(".Mp3")), "Mp3");
    EXPECT_EQ(ExtensionMatcher::presetFor(QString()), ".");
}
