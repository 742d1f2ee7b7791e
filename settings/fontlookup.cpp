#include "settings/fontlookup.h"
#include "platform/utils.h"

#include <fontconfig/fontconfig.h>
#include <memory>
#include <unordered_map>

namespace ov {

namespace {

struct PatternFree { void operator()(FcPattern* p) const { FcPatternDestroy(p); } };
struct FontSetFree { void operator()(FcFontSet* s) const { FcFontSetDestroy(s); } };
struct ObjectSetFree { void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); } };
using PatternPtr = std::unique_ptr<FcPattern, PatternFree>;

} // namespace

std::vector<FontFamily> SystemFontFamilies()
{
    std::vector<FontFamily> out;
    if (!FcInit()) return out;
    PatternPtr all(FcPatternCreate());
    std::unique_ptr<FcObjectSet, ObjectSetFree> props(
        FcObjectSetBuild(FC_FAMILY, FC_OUTLINE, FC_SCALABLE, nullptr));
    if (!all || !props) return out;
    std::unique_ptr<FcFontSet, FontSetFree> set(FcFontList(nullptr, all.get(), props.get()));
    if (!set) return out;
    std::unordered_map<std::string, size_t> seen; // lower-cased name -> entry
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch || !family) continue;
        const std::string name(reinterpret_cast<const char*>(family));
        if (name.empty()) continue;
        FcBool outline = FcFalse, scalable = FcFalse;
        FcPatternGetBool(set->fonts[i], FC_OUTLINE, 0, &outline);
        FcPatternGetBool(set->fonts[i], FC_SCALABLE, 0, &scalable);
        const FontKind kind = outline ? FontKind::Outline : !scalable ? FontKind::Bitmap : FontKind::Other;
        const auto [it, added] = seen.emplace(AsciiLower(name), out.size());
        if (!added) {
            // A family with an outline face counts as an outline family.
            if (kind == FontKind::Outline) out[it->second].Kind = kind;
            continue;
        }
        out.push_back({name, kind});
    }
    return out;
}

std::string FontSubstitute(const std::string& name)
{
    if (name.empty() || !FcInit()) return {};
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return {};
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match || result != FcResultMatch) return {};
    FcChar8* family = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch || !family) return {};
    return reinterpret_cast<const char*>(family);
}

int FindFontEntry(const std::vector<std::string>& names, const std::string& name,
                  const std::function<std::string(const std::string&)>& substitute)
{
    auto find = [&](const std::string& wanted) {
        if (wanted.empty()) return -1;
        for (size_t i = 0; i < names.size(); ++i)
            if (SameTextAscii(names[i], wanted)) return int(i);
        return -1;
    };
    int index = find(name);
    if (index < 0 && substitute) index = find(substitute(name));
    return index;
}

} // namespace ov
