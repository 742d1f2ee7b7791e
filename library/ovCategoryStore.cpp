#include "library/ovCategoryStore.h"
#include "platform/ovError.h"
#include "platform/ovPaths.h"
#include "platform/ovUtils.h"
#include "settings/ovIniFile.h"

#include <cstdlib>

namespace ov {

std::string LibraryFolder() { return UserDataFolder() + "Affirmations"; }
std::string CategoryFolder(const std::string& category) { return LibraryFolder() + "/" + category; }
std::string ListPath(const std::string& category, const std::string& list)
{
    return CategoryFolder(category) + "/" + list + ".txt";
}
std::string TickSection(const std::string& category) { return category + "-Affirmations"; }

bool ParseTickState(const std::string& state)
{
    int32_t n = 0;
    if (ParseIniInteger(state, n)) return n != 0;
    if (SameTextAscii(state, "True")) return true;
    if (SameTextAscii(state, "False")) return false;
    throw OvError(Format("'%s' is not a valid boolean value", state.c_str()));
}

void ApplyTickRecord(const std::vector<std::pair<std::string, std::string>>& lines,
                     const std::vector<std::string>& listNames,
                     const std::function<void(size_t, bool)>& setTick)
{
    for (const auto& [key, value] : lines) {
        std::string name, state;
        if (!SplitAtDelimiter(value, ":", true, name, state)) continue;
        size_t index = listNames.size();
        for (size_t i = 0; i < listNames.size(); ++i) {
            if (SameTextAscii(listNames[i], name)) {
                index = i;
                break;
            }
        }
        if (index == listNames.size()) continue;
        setTick(index, ParseTickState(state));
    }
}

void WriteTickRecord(IniDoc& doc, const std::string& category, const std::vector<std::string>& names,
                     const std::vector<bool>& ticked)
{
    const std::string section = TickSection(category);
    for (size_t i = 0; i < names.size(); ++i)
        doc.WriteString(section, std::to_string(i), names[i] + ":" + (ticked[i] ? "True" : "False"));
    for (const auto& [key, value] : doc.ReadSection(section)) {
        int32_t n = 0;
        if (!key.empty() && key.find_first_not_of("0123456789") == std::string::npos && ParseIniInteger(key, n)
            && n >= 0 && static_cast<size_t>(n) >= names.size())
            doc.DeleteKey(section, key);
    }
}

void BuildPhrasePool(const std::string& category, const std::vector<std::string>& tickedLists, PhrasePool& pool)
{
    pool.Clear();
    for (const std::string& list : tickedLists) {
        const std::string path = ListPath(category, list);
        if (FileExists(path)) AppendPhraseFile(path, pool);
    }
}

} // namespace ov
