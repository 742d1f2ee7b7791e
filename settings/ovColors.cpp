#include "settings/ovColors.h"

namespace ov {

namespace {

constexpr int32_t Sys(int index) { return int32_t(SystemColorFlag | uint32_t(index)); }

constexpr std::array<NamedColor, NamedColorCount> Colors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", Sys(10)},
    {"clActiveCaption", Sys(2)},
    {"clAppWorkSpace", Sys(12)},
    {"clBackground", Sys(1)},
    {"clBtnFace", Sys(15)},
    {"clBtnHighlight", Sys(20)},
    {"clBtnShadow", Sys(16)},
    {"clBtnText", Sys(18)},
    {"clCaptionText", Sys(9)},
    {"clGradientActiveCaption", Sys(27)},
    {"clGradientInactiveCaption", Sys(28)},
    {"clGrayText", Sys(17)},
    {"clHighlight", Sys(13)},
    {"clHighlightText", Sys(14)},
    {"clHotLight", Sys(26)},
    {"clInactiveBorder", Sys(11)},
    {"clInactiveCaption", Sys(3)},
    {"clInactiveCaptionText", Sys(19)},
    {"clInfoBk", Sys(24)},
    {"clInfoText", Sys(23)},
    {"clMenu", Sys(4)},
    {"clMenuBar", Sys(30)},
    {"clMenuHighlight", Sys(29)},
    {"clMenuText", Sys(7)},
    {"clScrollBar", Sys(0)},
    {"cl3DDkShadow", Sys(21)},
    {"cl3DLight", Sys(22)},
    {"clWindow", Sys(5)},
    {"clWindowFrame", Sys(6)},
    {"clWindowText", Sys(8)},
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
