#include "library/libraryfolders.h"
#include "library/listfiles.h"
#include "platform/paths.h"

namespace ov {

std::string LibraryFolder() { return UserDataFolder() + "Affirmations"; }
std::string CategoryFolder(const std::string& category) { return LibraryFolder() + "/" + category; }
std::string ListPath(const std::string& category, const std::string& list)
{
    return CategoryFolder(category) + "/" + ListFileName(list);
}

} // namespace ov
