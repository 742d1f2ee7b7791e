#include "settings/colors.h"
#include "settings/fontlookup.h"

#include <gtest/gtest.h>
#include <set>

using namespace ov;

TEST(NamedColors, FiftyInListOrderWithTheirValues)
{
    const auto& c = NamedColors();
    std::string order;
    for (const auto& e : c) order += std::string(e.Name) + ",";
    // Names as shown; the values are what the settings file stores.
    EXPECT_EQ(order,
              "Black,Maroon,Green,Olive,Navy,Purple,Teal,Gray,Silver,Red,Lime,Yellow,Blue,Fuchsia,Aqua,White,"
              "Money Green,Sky Blue,Cream,Medium Gray,Active Border,Active Caption,Application Workspace,"
              "Desktop Background,Button Face,Button Highlight,Button Shadow,Button Text,Caption Text,"
              "Gradient Active Caption,Gradient Inactive Caption,Gray Text,Highlight,Highlight Text,Hot Light,"
              "Inactive Border,Inactive Caption,Inactive Caption Text,Tooltip Background,Tooltip Text,Menu,Menu Bar,"
              "Menu Highlight,Menu Text,Scroll Bar,3-D Dark Shadow,3-D Light,Window,Window Frame,Window Text,");
    EXPECT_EQ(c[1].Value, 0x000080);  // maroon: red in the lowest byte
    EXPECT_EQ(c[17].Value, 0xF0CAA6); // sky blue
    EXPECT_EQ(c[20].Value, int32_t(0xFF00000Au));
    EXPECT_EQ(c[44].Value, -16777216); // scroll bar, index 0
    EXPECT_EQ(c[49].Value, -16777208); // window text, index 8
    PaletteSlot slot{};
    for (int i = 20; i < 50; ++i) EXPECT_TRUE(SystemColorSlot(c[size_t(i)].Value & 0xFF, slot)) << c[size_t(i)].Name;
    EXPECT_EQ(FindNamedColor(-16777208), 49);
    EXPECT_EQ(FindNamedColor(0x123456), -1);
}

TEST(ColorValues, RgbAndDesktopColours)
{
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Text, QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(0xA0B0C0, pal), QColor(0xC0, 0xB0, 0xA0));
    EXPECT_EQ(ToQColor(-16777208, pal), QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(int32_t(0xFF000019u), pal), QColor(0, 0, 0)); // index 25 has no colour
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
}

TEST(FontEntry, SystemListHasEachNameOnce)
{
    std::set<std::string> seen;
    for (const auto& f : SystemFontFamilies()) {
        std::string lower = f.Name;
        for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(seen.insert(lower).second) << f.Name;
    }
}
