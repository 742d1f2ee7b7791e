#include "library/tickrecord.h"
#include "platform/error.h"
#include "platform/translate.h"
#include "platform/utils.h"
#include "settings/inifile.h"

#include <unordered_map>

namespace ov {

std::string TickSection(const std::string& category) { return category + "-Affirmations"; }

static bool TryParseTickState(const std::string& state, bool& ticked)
{
    int32_t n = 0;
    if (ParseIniInteger(state, n)) ticked = n != 0;
    else if (SameTextAscii(state, "True")) ticked = true;
    else if (SameTextAscii(state, "False")) ticked = false;
    else return false;
    return true;
}

bool ParseTickState(const std::string& state)
{
    bool ticked = false;
    if (!TryParseTickState(state, ticked)) throw OvError(Format(Tr("Lists", "'%s' is not a valid boolean value"), state.c_str()));
    return ticked;
}

std::vector<BadTickLine> ApplyTickRecord(const std::vector<std::pair<std::string, std::string>>& lines,
                                         const std::vector<std::string>& listNames,
                                         const std::function<void(size_t, bool)>& setTick)
{
    // The state never holds a colon; the name may ("a:b.txt" is list a:b).
    // File names are case-sensitive: a line names the list spelt exactly so.
    // Only a list no line names exactly takes a line spelt otherwise (one
    // written by hand).
    std::unordered_map<std::string, size_t> exact;
    for (size_t i = 0; i < listNames.size(); ++i) exact.emplace(listNames[i], i);
    std::vector<bool> named(listNames.size());
    for (const auto& line : lines) {
        const size_t colon = line.second.rfind(':');
        bool ticked = false;
        if (colon == std::string::npos || !TryParseTickState(line.second.substr(colon + 1), ticked)) continue;
        const auto it = exact.find(line.second.substr(0, colon));
        if (it != exact.end()) named[it->second] = true;
    }
    std::vector<BadTickLine> bad;
    for (const auto& [key, value] : lines) {
        const size_t colon = value.rfind(':');
        if (colon == std::string::npos) continue;
        const std::string name = value.substr(0, colon);
        const std::string state = value.substr(colon + 1);
        const auto it = exact.find(name);
        size_t index = it != exact.end() ? it->second : listNames.size();
        for (size_t i = 0; i < listNames.size() && index == listNames.size(); ++i)
            if (!named[i] && SameTextAscii(listNames[i], name)) index = i;
        bool ticked = false;
        if (!TryParseTickState(state, ticked)) {
            bad.push_back({key, value, state});
            continue;
        }
        if (index < listNames.size()) setTick(index, ticked);
    }
    return bad;
}

std::string BadTickLinesMessage(const std::string& settingsFile, const std::string& category,
                                const std::vector<BadTickLine>& lines)
{
    std::string text = Format(Tr("Lists", "The settings file \"%s\" holds %s in [%s] that cannot be read:"), settingsFile.c_str(),
                              lines.size() == 1 ? Tr("Lists", "a tick") : Tr("Lists", "ticks"), TickSection(category).c_str());
    for (const BadTickLine& l : lines)
        text += Format(Tr("Lists", "\n\"%s=%s\": '%s' is not a valid boolean value"), l.key.c_str(), l.value.c_str(), l.state.c_str());
    text += lines.size() == 1 ? Tr("Lists", "\nThe line is left out, and removed the next time the ticks are saved.")
                              : Tr("Lists", "\nThe lines are left out, and removed the next time the ticks are saved.");
    return text;
}

bool TickRecordCanHold(const std::string& listName)
{
    if (listName.empty()) return false;
    const char first = listName.front();
    if (first == ' ' || first == '\t' || first == '\v' || first == '\f') return false;
    return listName.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

void WriteTickRecord(IniDoc& doc, const std::string& category, const std::vector<std::string>& names,
                     const std::vector<bool>& ticked)
{
    std::vector<std::pair<std::string, std::string>> keys;
    keys.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        if (TickRecordCanHold(names[i]))
            keys.emplace_back(std::to_string(i), names[i] + ":" + (ticked[i] ? "True" : "False"));
    doc.SetSectionKeys(TickSection(category), keys);
}

} // namespace ov
