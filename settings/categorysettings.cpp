#include "settings/categorysettings.h"

#include <algorithm>

namespace ov {

int32_t ClampDisplayTime(int32_t ms) { return std::clamp(ms, DisplayTimeMin, DisplayTimeMax); }
int32_t ClampDisplayFreq(int32_t seconds) { return std::clamp(seconds, DisplayFreqMin, DisplayFreqMax); }
int32_t ClampOpacity(int32_t alpha) { return std::clamp(alpha, OpacityMin, OpacityMax); }
int32_t ClampPosition(int32_t index) { return std::clamp(index, PositionNone, PositionCentered); }

std::string SettingsSection(const std::string& category) { return category + "-Settings"; }

CategorySettings ReadCategorySettings(const IniDoc& doc, const std::string& category,
                                      const std::string& currentFontName)
{
    const std::string s = SettingsSection(category);
    const CategorySettings d;
    CategorySettings r;
    r.Pause = doc.ReadBool(s, "Pause", d.Pause);
    DisplayFontSpec font;
    font.Name = currentFontName;
    font.SetName(doc.ReadString(s, "FontName", d.FontName));
    r.FontName = font.Name;
    r.TextColor = doc.ReadInteger(s, "TextColor", d.TextColor);
    r.Size = doc.ReadInteger(s, "Size", d.Size); // no range: 0 and below pass as stored
    r.DisplayTime = ClampDisplayTime(doc.ReadInteger(s, "DisplayTime", d.DisplayTime));
    r.DisplayFreq = ClampDisplayFreq(doc.ReadInteger(s, "DisplayFreq", d.DisplayFreq));
    r.Opacity = ClampOpacity(doc.ReadInteger(s, "Opacity", d.Opacity));
    r.Position = ClampPosition(doc.ReadInteger(s, "Position", d.Position));
    return r;
}

void WriteCategorySettings(IniDoc& doc, const std::string& category, const CategorySettings& v,
                           int32_t groupIndex)
{
    const std::string s = SettingsSection(category);
    doc.WriteBool(s, "Pause", v.Pause);
    doc.WriteString(s, "FontName", v.FontName);
    doc.WriteInteger(s, "TextColor", v.TextColor);
    doc.WriteInteger(s, "Size", v.Size);
    doc.WriteInteger(s, "DisplayTime", v.DisplayTime);
    doc.WriteInteger(s, "DisplayFreq", v.DisplayFreq);
    doc.WriteInteger(s, "Opacity", v.Opacity);
    doc.WriteInteger(s, "Position", v.Position);
    doc.WriteInteger("General", "GroupIndex", groupIndex);
}

} // namespace ov
