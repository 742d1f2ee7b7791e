#pragma once
#include <QColor>
#include <QPalette>
#include <array>
#include <cstdint>

namespace ov {

// A colour value: 00BBGGRR, or FF0000nn for the desktop colour of index nn.
inline constexpr uint32_t SystemColorFlag = 0xFF000000u;

bool IsSystemColor(int32_t value);

struct NamedColor {
    const char* Name;
    int32_t Value;
};

// The colours the font colour list offers, in list order: 16 standard, 4
// extended, 30 desktop colours.
inline constexpr int NamedColorCount = 50;
const std::array<NamedColor, NamedColorCount>& NamedColors();
// Position of the first entry with this value; -1 when none has it.
int FindNamedColor(int32_t value);

// Where a desktop colour index takes its colour from on this desktop.
struct PaletteSlot {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};
// False for an index the desktop has no colour for.
bool SystemColorSlot(int index, PaletteSlot& slot);

// The colour a value stands for, desktop colours taken from the palette; an
// unknown desktop index is black.
QColor ToQColor(int32_t value, const QPalette& palette);

// The frame of a colour's swatch in the list: black for a light colour (a
// component above 192), else white on a highlighted entry and the colour
// itself on a plain one.
QColor SwatchFrameColor(const QColor& colour, bool highlighted);

} // namespace ov
