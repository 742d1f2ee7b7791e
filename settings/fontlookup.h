#pragma once
#include <functional>
#include <string>
#include <vector>

namespace ov {

enum class FontKind { Outline, Bitmap, Other };

struct FontFamily {
    std::string Name;
    FontKind Kind = FontKind::Other;
};

// The typefaces the system offers, each name once, in the order the font
// configuration lists them.
std::vector<FontFamily> SystemFontFamilies();

// The family the font configuration puts in place of a name; empty when it
// offers none.
std::string FontSubstitute(const std::string& name);

// The entry to select for a font name: the one equal to it without regard to
// case, else the one its substitute names, else -1.
int FindFontEntry(const std::vector<std::string>& names, const std::string& name,
                  const std::function<std::string(const std::string&)>& substitute);

} // namespace ov
