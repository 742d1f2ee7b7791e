#include "settings/categorysettings.h"

namespace ov {

namespace {
template <typename... F> struct Overloaded : F... { using F::operator()...; };
} // namespace

void SetText(std::string& setting, const std::string& text)
{
    if (!text.empty()) setting = text;
}

std::string ContrastCaption(int32_t contrast) { return std::to_string(contrast * 100 / 255) + "%"; }

std::string SettingsSection(const std::string& category) { return category + "-Settings"; }

CategorySettings ReadCategorySettings(const IniDoc& doc, const std::string& category,
                                      const std::string& currentFontName)
{
    const std::string s = SettingsSection(category);
    const CategorySettings d;
    CategorySettings r;
    r.FontName = currentFontName;
    for (const SettingDescription& e : CategorySettingsTable) {
        std::visit(Overloaded{
                       [&](bool CategorySettings::*f) { r.*f = doc.ReadBool(s, e.key, d.*f); },
                       [&](std::string CategorySettings::*f) { SetText(r.*f, doc.ReadString(s, e.key, d.*f)); },
                       [&](int32_t CategorySettings::*f) {
                           const int32_t v = doc.ReadInteger(s, e.key, d.*f);
                           r.*f = e.range ? e.range->Clamp(v) : v;
                       },
                   },
                   e.field);
    }
    return r;
}

void WriteCategorySettings(IniDoc& doc, const std::string& category, const CategorySettings& v,
                           int32_t groupIndex)
{
    const std::string s = SettingsSection(category);
    for (const SettingDescription& e : CategorySettingsTable) {
        std::visit(Overloaded{
                       [&](bool CategorySettings::*f) { doc.WriteBool(s, e.key, v.*f); },
                       [&](std::string CategorySettings::*f) { doc.WriteString(s, e.key, v.*f); },
                       [&](int32_t CategorySettings::*f) { doc.WriteInteger(s, e.key, v.*f); },
                   },
                   e.field);
    }
    doc.WriteInteger("General", "GroupIndex", groupIndex);
}

} // namespace ov
