#pragma once
#include "settings/inifile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace ov {

// Items of the "Location" group; a stored value below 0 selects no item.
inline constexpr int32_t LocationNone = -1, LocationRandom = 0, LocationCentered = 1;

// One category's settings, as the Settings page shows them and its section
// of the settings file holds them. The initial values are the defaults.
struct CategorySettings {
    bool StartPaused = false;          // the start-up box "Pause messages"
    std::string FontName = "Arial";    // a family name, kept whole
    int32_t FontColor = 0;             // 00BBGGRR, or FF0000nn for a desktop colour
    int32_t FontSize = 12;             // points; below 0 pixels
    int32_t DisplayTime = 25;          // ms on the screen
    int32_t Interval = 1;              // seconds between phrases
    int32_t Contrast = 50;             // 0..255
    int32_t Location = LocationRandom; // -1..1
    bool operator==(const CategorySettings&) const = default;
};

// The range an integer setting is kept in, on reading and on the page.
struct IntRange {
    int32_t min;
    int32_t max;
    int32_t Clamp(int32_t value) const { return value < min ? min : value > max ? max : value; }
};

inline constexpr IntRange DisplayTimeRange{10, 700};
inline constexpr IntRange IntervalRange{1, 600};
inline constexpr IntRange ContrastRange{0, 255};
inline constexpr IntRange LocationRange{LocationNone, LocationCentered};

// How one setting is kept in the file: its key, the field it fills (whose
// type says how it is read and written: a boolean, a text, an integer) and,
// for an integer, the range it is brought into on reading. A text that is
// empty keeps the value it would replace (see SetText).
struct SettingDescription {
    const char* key;
    std::variant<bool CategorySettings::*, std::string CategorySettings::*, int32_t CategorySettings::*> field;
    std::optional<IntRange> range = std::nullopt; // none: any stored value passes
};

// Every per-category setting, in the order the file holds them. A new
// setting is a field above, a line here and its control on the page.
inline constexpr std::array<SettingDescription, 8> CategorySettingsTable{{
    {"Pause", &CategorySettings::StartPaused},
    {"FontName", &CategorySettings::FontName},
    {"TextColor", &CategorySettings::FontColor},
    {"Size", &CategorySettings::FontSize}, // 0 and below pass as stored
    {"DisplayTime", &CategorySettings::DisplayTime, DisplayTimeRange},
    {"DisplayFreq", &CategorySettings::Interval, IntervalRange},
    {"Opacity", &CategorySettings::Contrast, ContrastRange},
    {"Position", &CategorySettings::Location, LocationRange},
}};

// The caption of the percentage label beside the contrast slider.
std::string ContrastCaption(int32_t contrast);

// An empty text keeps the old one. Family names are not cut: long ones are
// common here, and a cut one names no font (or splits a character).
void SetText(std::string& setting, const std::string& text);

// The section that holds a category's settings.
std::string SettingsSection(const std::string& category);

// Reads a category's section: absent or unreadable keys give the defaults,
// numbers are brought into their ranges, and an empty font name keeps
// currentFontName.
CategorySettings ReadCategorySettings(const IniDoc& doc, const std::string& category,
                                      const std::string& currentFontName);

// Writes the keys in the table's order, then "GroupIndex" of "General".
void WriteCategorySettings(IniDoc& doc, const std::string& category, const CategorySettings& s,
                           int32_t groupIndex);

} // namespace ov
