#include "settings/categorysettings.h"

#include <gtest/gtest.h>

using namespace ov;

namespace {

CategorySettings Read(const std::string& keys, const std::string& font = "Arial")
{
    return ReadCategorySettings(IniDoc("[cat-settings]\n" + keys), "Cat", font);
}

} // namespace

TEST(CategorySettingsRead, AbsentOrUnreadableKeysGiveTheDefaults)
{
    const CategorySettings s = ReadCategorySettings(IniDoc("[Other-Settings]\nOpacity=9\n"), "Cat", "Courier");
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.Contrast, 50);
    const CategorySettings t = Read("DisplayTime=abc\nPause=yes\nSize=12px\n");
    EXPECT_EQ(t.DisplayTime, 25);
    EXPECT_FALSE(t.StartPaused);
    EXPECT_EQ(t.FontSize, 12);
}

TEST(CategorySettingsRead, RangesAndEncodings)
{
    const auto low = Read("DisplayTime=5\nDisplayFreq=0\nOpacity=-4\nPosition=-5\nSize=-7\nTextColor=$FF\nPause=2\n");
    EXPECT_EQ(low.DisplayTime, 10);
    EXPECT_EQ(low.Interval, 1);
    EXPECT_EQ(low.Contrast, 0);
    EXPECT_EQ(low.Location, -1);
    EXPECT_EQ(low.FontSize, -7); // the size has no range
    EXPECT_EQ(low.FontColor, 0xFF);
    EXPECT_TRUE(low.StartPaused);
    const auto high = Read("DisplayTime=900\nDisplayFreq=601\nOpacity=300\nPosition=7\nTextColor=0XFF000008\n");
    EXPECT_EQ(high.DisplayTime, 700);
    EXPECT_EQ(high.Interval, 600);
    EXPECT_EQ(high.Contrast, 255);
    EXPECT_EQ(high.Location, 1);
    EXPECT_EQ(high.FontColor, -16777208);
}

TEST(CategorySettingsRead, FontNameIsKeptWholeAndEmptyKeepsTheCurrentOne)
{
    EXPECT_EQ(Read("FontName=\n", "Courier").FontName, "Courier");
    // Eleven CJK characters are 33 bytes; long family names are common.
    for (const std::string& name : {std::string("\xE6\x80\x9D\xE6\xBA\x90\xE9\xBB\x91\xE4\xBD\x93\xE6\x80\x9D\xE6\xBA\x90\xE9\xBB\x91\xE4\xBD\x93\xE6\x80\x9D\xE6\xBA\x90\xE9\xBB\x91"),
                                   std::string("Noto Sans Canadian Aboriginal Condensed ExtraBold")})
        EXPECT_EQ(Read("FontName=" + name + "\n").FontName, name);
}

TEST(CategorySettingsWrite, KeysInTheirOrderThenTheGroupIndex)
{
    IniDoc doc("[General]\nGroupIndex=3\n; keep me\n");
    CategorySettings v;
    v.StartPaused = true;
    v.FontName = "Verdana";
    v.FontColor = -16777208;
    v.FontSize = -3;
    v.DisplayTime = 450;
    v.Location = -1;
    WriteCategorySettings(doc, "Cat", v, -1);
    EXPECT_EQ(doc.Text(), "[General]\nGroupIndex=-1\n; keep me\n"
                          "[Cat-Settings]\nPause=1\nFontName=Verdana\nTextColor=-16777208\nSize=-3\n"
                          "DisplayTime=450\nDisplayFreq=1\nOpacity=50\nPosition=-1\n");
    IniDoc none;
    WriteCategorySettings(none, "", CategorySettings{}, -1);
    EXPECT_EQ(none.ReadString("-Settings", "Pause", "?"), "0");
}

TEST(ContrastCaption, DividesBy255)
{
    EXPECT_EQ(ContrastCaption(0), "0%");
    EXPECT_EQ(ContrastCaption(50), "19%");
    EXPECT_EQ(ContrastCaption(128), "50%");
    EXPECT_EQ(ContrastCaption(255), "100%");
}
