#include "platform/text.h"

#include <gtest/gtest.h>

TEST(IsValidUtf8, AcceptsWellFormedRejectsEverythingElse)
{
    EXPECT_TRUE(ov::IsValidUtf8(""));
    EXPECT_TRUE(ov::IsValidUtf8("plain ascii"));
    EXPECT_TRUE(ov::IsValidUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(ov::IsValidUtf8("caf\xE9"));              // Latin-1
    EXPECT_FALSE(ov::IsValidUtf8("\xC3"));                 // cut short
    EXPECT_FALSE(ov::IsValidUtf8("\xC0\xAF"));             // overlong
    EXPECT_FALSE(ov::IsValidUtf8("\xED\xA0\x80"));         // surrogate
    EXPECT_FALSE(ov::IsValidUtf8("\xF4\x90\x80\x80"));     // past U+10FFFF
    EXPECT_FALSE(ov::IsValidUtf8("\x80 continuation"));
}

TEST(TextOfBytes, Latin1WhenNotUtf8)
{
    EXPECT_EQ(ov::TextOfBytes("caf\xC3\xA9"), QString::fromUtf8("caf\u00e9"));
    EXPECT_EQ(ov::TextOfBytes("caf\xE9"), QString::fromUtf8("caf\u00e9"));
}
