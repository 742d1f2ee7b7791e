#pragma once
#include "settings/inifile.h"

#include <cstdint>
#include <string>

namespace ov {

// Ranges the Settings page keeps its controls in.
inline constexpr int32_t DisplayTimeMin = 10, DisplayTimeMax = 700;
inline constexpr int32_t DisplayFreqMin = 1, DisplayFreqMax = 600;
inline constexpr int32_t OpacityMin = 0, OpacityMax = 255;
inline constexpr int32_t PositionNone = -1, PositionRandom = 0, PositionCentered = 1;

int32_t ClampDisplayTime(int32_t ms);
int32_t ClampDisplayFreq(int32_t seconds);
int32_t ClampOpacity(int32_t alpha);
int32_t ClampPosition(int32_t index); // -1 (no item) to 1

// The font of the flashed phrases: regular style always.
struct DisplayFontSpec {
    std::string Name = "Arial"; // a family name, kept whole
    int32_t Size = 12;          // points
    int32_t Color = 0;          // 00BBGGRR, or FF0000nn for a desktop colour

    // An empty name keeps the old one. Family names are not cut: long ones
    // are common here, and a cut one names no font (or splits a character).
    void SetName(const std::string& name)
    {
        if (!name.empty()) Name = name;
    }
};

// How each phrase is shown, apart from its font: what the Settings page
// shows, and what the display cycle and the test preview read.
struct DisplaySettings {
    int32_t DisplayTime = 25; // ms on the screen
    int32_t DisplayFreq = 1;  // seconds between phrases
    int32_t Opacity = 50;     // 0..255
    int32_t Position = PositionRandom;
};

// One category's display settings, as its section of the settings file
// holds them.
struct CategorySettings {
    bool Pause = false;
    std::string FontName = "Arial";
    int32_t TextColor = 0;
    int32_t Size = 12;
    int32_t DisplayTime = 25;
    int32_t DisplayFreq = 1;
    int32_t Opacity = 50;
    int32_t Position = PositionRandom;

    bool operator==(const CategorySettings&) const = default;
};

// The section that holds a category's settings.
std::string SettingsSection(const std::string& category);

// Reads a category's section: absent or unreadable keys give the defaults,
// numbers are brought into their ranges, and an empty font name keeps
// currentFontName.
CategorySettings ReadCategorySettings(const IniDoc& doc, const std::string& category,
                                      const std::string& currentFontName);

// Writes the eight keys in their fixed order, then "GroupIndex" of
// "General".
void WriteCategorySettings(IniDoc& doc, const std::string& category, const CategorySettings& s,
                           int32_t groupIndex);

} // namespace ov
