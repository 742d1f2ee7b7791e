#include "settings/ovColors.h"
#include "settings/ovFontLookup.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace ov;

TEST(NamedColors, FiftyInListOrderWithTheirValues)
{
    const auto& c = NamedColors();
    ASSERT_EQ(c.size(), 50u);
    EXPECT_STREQ(c[0].Name, "clBlack");
    EXPECT_EQ(c[1].Value, 0x000080); // maroon: red in the lowest byte
    EXPECT_EQ(c[12].Value, 0xFF0000); // blue
    EXPECT_STREQ(c[15].Name, "clWhite");
    EXPECT_EQ(c[15].Value, 16777215);
    EXPECT_STREQ(c[17].Name, "clSkyBlue");
    EXPECT_EQ(c[17].Value, 0xF0CAA6);
    EXPECT_STREQ(c[19].Name, "clMedGray");
    EXPECT_STREQ(c[20].Name, "clActiveBorder");
    EXPECT_EQ(c[20].Value, int32_t(0xFF00000Au));
    EXPECT_STREQ(c[44].Name, "clScrollBar");
    EXPECT_EQ(c[44].Value, -16777216);
    EXPECT_STREQ(c[49].Name, "clWindowText");
    EXPECT_EQ(c[49].Value, -16777208);
    std::set<std::string> names;
    for (const auto& e : c) names.insert(e.Name);
    EXPECT_EQ(names.size(), 50u);
    // Every desktop colour of the list has a colour on this desktop.
    for (int i = 20; i < 50; ++i) {
        PaletteSlot slot{};
        EXPECT_TRUE(IsSystemColor(c[size_t(i)].Value)) << c[size_t(i)].Name;
        EXPECT_TRUE(SystemColorSlot(c[size_t(i)].Value & 0xFF, slot)) << c[size_t(i)].Name;
    }
}

TEST(NamedColors, FindTakesTheFirstEqualValue)
{
    EXPECT_EQ(FindNamedColor(0), 0);
    EXPECT_EQ(FindNamedColor(-16777208), 49);
    EXPECT_EQ(FindNamedColor(0x123456), -1);
    EXPECT_EQ(FindNamedColor(int32_t(0xFF000019u)), -1); // index 25 is not listed
}

TEST(ColorValues, RgbAndDesktopColours)
{
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Text, QColor(1, 2, 3));
    pal.setColor(QPalette::Active, QPalette::Highlight, QColor(9, 8, 7));
    EXPECT_EQ(ToQColor(0x0000FF, pal), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0xA0B0C0, pal), QColor(0xC0, 0xB0, 0xA0));
    EXPECT_EQ(ToQColor(-16777208, pal), QColor(1, 2, 3));      // window text
    EXPECT_EQ(ToQColor(int32_t(0xFF00000Du), pal), QColor(9, 8, 7)); // highlight
    EXPECT_EQ(ToQColor(int32_t(0xFF0000FFu), pal), QColor(0, 0, 0)); // unknown index
    PaletteSlot slot{};
    EXPECT_FALSE(SystemColorSlot(25, slot));
    EXPECT_FALSE(SystemColorSlot(31, slot));
    EXPECT_FALSE(SystemColorSlot(-1, slot));
}

TEST(ColorSwatch, FrameRule)
{
    const QColor navy(0, 0, 128), light(10, 193, 10), edge(192, 192, 192);
    EXPECT_EQ(SwatchFrameColor(light, false), QColor(0, 0, 0));
    EXPECT_EQ(SwatchFrameColor(light, true), QColor(0, 0, 0));
    EXPECT_EQ(SwatchFrameColor(navy, false), navy);
    EXPECT_EQ(SwatchFrameColor(navy, true), QColor(255, 255, 255));
    EXPECT_EQ(SwatchFrameColor(edge, false), edge); // 192 is not above 192
}

TEST(FontEntry, ExactNameThenSubstituteThenNone)
{
    const std::vector<std::string> names{"DejaVu Sans", "Liberation Sans", "Noto Serif"};
    auto sub = [](const std::string& n) { return n == "Arial" ? std::string("liberation sans") : std::string(); };
    EXPECT_EQ(FindFontEntry(names, "noto serif", sub), 2);
    EXPECT_EQ(FindFontEntry(names, "Arial", sub), 1);
    EXPECT_EQ(FindFontEntry(names, "Wingdings", sub), -1);
    EXPECT_EQ(FindFontEntry(names, "", sub), -1);
    EXPECT_EQ(FindFontEntry({}, "Arial", sub), -1);
}

TEST(FontEntry, SystemListHasEachNameOnce)
{
    const auto families = SystemFontFamilies();
    std::set<std::string> seen;
    for (const auto& f : families) {
        EXPECT_FALSE(f.Name.empty());
        std::string lower = f.Name;
        for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(seen.insert(lower).second) << f.Name;
    }
    // A listed family is its own substitute.
    if (!families.empty()) EXPECT_EQ(FontSubstitute(families.front().Name), families.front().Name);
}
