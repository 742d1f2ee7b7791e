#include "settings/ovCategorySettings.h"

#include <gtest/gtest.h>

using namespace ov;

namespace {

CategorySettings Read(const std::string& text, const std::string& font = "Arial")
{
    return ReadCategorySettings(IniDoc(text), "Cat", font);
}

} // namespace

TEST(CategorySettingsRead, AbsentSectionGivesTheDefaults)
{
    const CategorySettings s = Read("[Other-Settings]\nDisplayTime=300\n", "Courier");
    EXPECT_FALSE(s.Pause);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.TextColor, 0);
    EXPECT_EQ(s.Size, 12);
    EXPECT_EQ(s.DisplayTime, 25);
    EXPECT_EQ(s.DisplayFreq, 1);
    EXPECT_EQ(s.Opacity, 50);
    EXPECT_EQ(s.Position, 0);
}

TEST(CategorySettingsRead, NumbersOutOfRangeAreClamped)
{
    const auto s = Read("[cat-settings]\nDisplayTime=5\nDisplayFreq=0\nOpacity=300\nPosition=7\n");
    EXPECT_EQ(s.DisplayTime, 10);
    EXPECT_EQ(s.DisplayFreq, 1);
    EXPECT_EQ(s.Opacity, 255);
    EXPECT_EQ(s.Position, 1);
    const auto t = Read("[Cat-Settings]\nDisplayTime=900\nDisplayFreq=601\nOpacity=-4\nPosition=-5\n");
    EXPECT_EQ(t.DisplayTime, 700);
    EXPECT_EQ(t.DisplayFreq, 600);
    EXPECT_EQ(t.Opacity, 0);
    EXPECT_EQ(t.Position, -1);
}

TEST(CategorySettingsRead, IntegerAndBooleanEncodings)
{
    const auto s = Read("[Cat-Settings]\nTextColor=$FF\nSize=0x10\nPause=2\nDisplayTime=abc\n");
    EXPECT_EQ(s.TextColor, 0xFF);
    EXPECT_EQ(s.Size, 16);
    EXPECT_TRUE(s.Pause);
    EXPECT_EQ(s.DisplayTime, 25); // unreadable: default
    EXPECT_EQ(Read("[Cat-Settings]\nTextColor=-16777208\n").TextColor, int32_t(0xFF000008u));
    EXPECT_EQ(Read("[Cat-Settings]\nTextColor=0XFF000008\n").TextColor, int32_t(0xFF000008u));
    EXPECT_FALSE(Read("[Cat-Settings]\nPause=yes\n").Pause);
    EXPECT_FALSE(Read("[Cat-Settings]\nPause=0\n").Pause);
}

TEST(CategorySettingsRead, SizeHasNoRange)
{
    EXPECT_EQ(Read("[Cat-Settings]\nSize=0\n").Size, 0);
    EXPECT_EQ(Read("[Cat-Settings]\nSize=-7\n").Size, -7);
}

TEST(CategorySettingsRead, FontNameIsCutAndEmptyKeepsTheCurrentOne)
{
    EXPECT_EQ(Read("[Cat-Settings]\nFontName=\n", "Courier").FontName, "Courier");
    const std::string forty(40, 'x');
    EXPECT_EQ(Read("[Cat-Settings]\nFontName=" + forty + "\n").FontName, std::string(31, 'x'));
    EXPECT_EQ(Read("[Cat-Settings]\nFontName=  Verdana  \n").FontName, "Verdana");
}

TEST(CategorySettingsWrite, KeysInTheirOrderAndTheGroupIndex)
{
    IniDoc doc("[General]\nGroupIndex=3\n; keep me\n");
    CategorySettings v;
    v.Pause = true;
    v.FontName = "Verdana";
    v.TextColor = int32_t(0xFF000008u);
    v.Size = -3;
    v.DisplayTime = 450;
    v.DisplayFreq = 600;
    v.Opacity = 255;
    v.Position = -1;
    WriteCategorySettings(doc, "Cat", v, -1);
    EXPECT_EQ(doc.Text(), "[General]\nGroupIndex=-1\n; keep me\n"
                          "[Cat-Settings]\nPause=1\nFontName=Verdana\nTextColor=-16777208\nSize=-3\n"
                          "DisplayTime=450\nDisplayFreq=600\nOpacity=255\nPosition=-1\n");
    // What was written reads back the same.
    const CategorySettings back = ReadCategorySettings(doc, "cat", "Arial");
    EXPECT_TRUE(back.Pause);
    EXPECT_EQ(back.FontName, "Verdana");
    EXPECT_EQ(back.TextColor, v.TextColor);
    EXPECT_EQ(back.Size, -3);
    EXPECT_EQ(back.Position, -1);
}

TEST(CategorySettingsWrite, NoCategoryUsesTheBareSection)
{
    IniDoc doc;
    WriteCategorySettings(doc, "", CategorySettings{}, -1);
    EXPECT_EQ(doc.ReadString("-Settings", "Pause", "?"), "0");
    EXPECT_EQ(doc.ReadString("-Settings", "Opacity", "?"), "50");
}
