#include "settings/colors.h"

namespace ov {

namespace {

constexpr int32_t Sys(int index) { return int32_t(SystemColorFlag | uint32_t(index)); }

constexpr std::array<NamedColor, NamedColorCount> Colors{{
    {QT_TRANSLATE_NOOP("Colors", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("Colors", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("Colors", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("Colors", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("Colors", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("Colors", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("Colors", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("Colors", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("Colors", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("Colors", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("Colors", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("Colors", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("Colors", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("Colors", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("Colors", "Aqua"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("Colors", "White"), 0xFFFFFF},
    {QT_TRANSLATE_NOOP("Colors", "Money Green"), 0xC0DCC0},
    {QT_TRANSLATE_NOOP("Colors", "Sky Blue"), 0xF0CAA6},
    {QT_TRANSLATE_NOOP("Colors", "Cream"), 0xF0FBFF},
    {QT_TRANSLATE_NOOP("Colors", "Medium Gray"), 0xA4A0A0},
    {QT_TRANSLATE_NOOP("Colors", "Active Border"), Sys(10)},
    {QT_TRANSLATE_NOOP("Colors", "Active Caption"), Sys(2)},
    {QT_TRANSLATE_NOOP("Colors", "Application Workspace"), Sys(12)},
    {QT_TRANSLATE_NOOP("Colors", "Desktop Background"), Sys(1)},
    {QT_TRANSLATE_NOOP("Colors", "Button Face"), Sys(15)},
    {QT_TRANSLATE_NOOP("Colors", "Button Highlight"), Sys(20)},
    {QT_TRANSLATE_NOOP("Colors", "Button Shadow"), Sys(16)},
    {QT_TRANSLATE_NOOP("Colors", "Button Text"), Sys(18)},
    {QT_TRANSLATE_NOOP("Colors", "Caption Text"), Sys(9)},
    {QT_TRANSLATE_NOOP("Colors", "Gradient Active Caption"), Sys(27)},
    {QT_TRANSLATE_NOOP("Colors", "Gradient Inactive Caption"), Sys(28)},
    {QT_TRANSLATE_NOOP("Colors", "Gray Text"), Sys(17)},
    {QT_TRANSLATE_NOOP("Colors", "Highlight"), Sys(13)},
    {QT_TRANSLATE_NOOP("Colors", "Highlight Text"), Sys(14)},
    {QT_TRANSLATE_NOOP("Colors", "Hot Light"), Sys(26)},
    {QT_TRANSLATE_NOOP("Colors", "Inactive Border"), Sys(11)},
    {QT_TRANSLATE_NOOP("Colors", "Inactive Caption"), Sys(3)},
    {QT_TRANSLATE_NOOP("Colors", "Inactive Caption Text"), Sys(19)},
    {QT_TRANSLATE_NOOP("Colors", "Tooltip Background"), Sys(24)},
    {QT_TRANSLATE_NOOP("Colors", "Tooltip Text"), Sys(23)},
    {QT_TRANSLATE_NOOP("Colors", "Menu"), Sys(4)},
    {QT_TRANSLATE_NOOP("Colors", "Menu Bar"), Sys(30)},
    {QT_TRANSLATE_NOOP("Colors", "Menu Highlight"), Sys(29)},
    {QT_TRANSLATE_NOOP("Colors", "Menu Text"), Sys(7)},
    {QT_TRANSLATE_NOOP("Colors", "Scroll Bar"), Sys(0)},
    {QT_TRANSLATE_NOOP("Colors", "3-D Dark Shadow"), Sys(21)},
    {QT_TRANSLATE_NOOP("Colors", "3-D Light"), Sys(22)},
    {QT_TRANSLATE_NOOP("Colors", "Window"), Sys(5)},
    {QT_TRANSLATE_NOOP("Colors", "Window Frame"), Sys(6)},
    {QT_TRANSLATE_NOOP("Colors", "Window Text"), Sys(8)},
}};

} // namespace

bool IsSystemColor(int32_t value) { return (uint32_t(value) & 0xFF000000u) == SystemColorFlag; }

const std::array<NamedColor, NamedColorCount>& NamedColors() { return Colors; }

int FindNamedColor(int32_t value)
{
    for (int i = 0; i < NamedColorCount; ++i)
        if (Colors[size_t(i)].Value == value) return i;
    return -1;
}

bool SystemColorSlot(int index, PaletteSlot& slot)
{
    using P = QPalette;
    // Index order of the desktop colours; 25 has no colour of its own.
    static const struct { bool known; P::ColorGroup group; P::ColorRole role; } table[] = {
        {true, P::Active, P::Button},              // 0 scroll bar
        {true, P::Active, P::Dark},                // 1 desktop background
        {true, P::Active, P::Highlight},           // 2 active caption
        {true, P::Inactive, P::Mid},               // 3 inactive caption
        {true, P::Active, P::Window},              // 4 menu
        {true, P::Active, P::Base},                // 5 window
        {true, P::Active, P::Shadow},              // 6 window frame
        {true, P::Active, P::WindowText},          // 7 menu text
        {true, P::Active, P::Text},                // 8 window text
        {true, P::Active, P::HighlightedText},     // 9 caption text
        {true, P::Active, P::Button},              // 10 active border
        {true, P::Inactive, P::Button},            // 11 inactive border
        {true, P::Active, P::Dark},                // 12 application workspace
        {true, P::Active, P::Highlight},           // 13 highlight
        {true, P::Active, P::HighlightedText},     // 14 highlighted text
        {true, P::Active, P::Button},              // 15 button face
        {true, P::Active, P::Dark},                // 16 button shadow
        {true, P::Disabled, P::Text},              // 17 grey text
        {true, P::Active, P::ButtonText},          // 18 button text
        {true, P::Disabled, P::WindowText},        // 19 inactive caption text
        {true, P::Active, P::Light},               // 20 button highlight
        {true, P::Active, P::Shadow},              // 21 3-D dark shadow
        {true, P::Active, P::Midlight},            // 22 3-D light
        {true, P::Active, P::ToolTipText},         // 23 tooltip text
        {true, P::Active, P::ToolTipBase},         // 24 tooltip background
        {false, P::Active, P::NoRole},             // 25
        {true, P::Active, P::Link},                // 26 hot-tracked item
        {true, P::Active, P::Highlight},           // 27 active caption gradient
        {true, P::Inactive, P::Mid},               // 28 inactive caption gradient
        {true, P::Active, P::Highlight},           // 29 menu highlight
        {true, P::Active, P::Window},              // 30 menu bar
    };
    if (index < 0 || index >= int(std::size(table)) || !table[index].known) return false;
    slot = {table[index].group, table[index].role};
    return true;
}

QColor ToQColor(int32_t value, const QPalette& palette)
{
    const uint32_t v = uint32_t(value);
    if (IsSystemColor(value)) {
        PaletteSlot slot{};
        if (!SystemColorSlot(int(v & 0xFFu), slot)) return QColor(0, 0, 0);
        const QColor c = palette.color(slot.Group, slot.Role);
        return QColor(c.red(), c.green(), c.blue());
    }
    return QColor(int(v & 0xFFu), int((v >> 8) & 0xFFu), int((v >> 16) & 0xFFu));
}

QColor SwatchFrameColor(const QColor& colour, bool highlighted)
{
    if (colour.red() > 192 || colour.green() > 192 || colour.blue() > 192) return QColor(0, 0, 0);
    return highlighted ? QColor(255, 255, 255) : colour;
}

} // namespace ov
