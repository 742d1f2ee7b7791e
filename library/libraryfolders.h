#pragma once
#include <string>

namespace ov {

// The library folder in the user's data folder, each category a folder in
// it, and the file of one phrase list in its category's folder.
std::string LibraryFolder(); // UserDataFolder() + "Affirmations", no trailing separator
std::string CategoryFolder(const std::string& category);
std::string ListPath(const std::string& category, const std::string& list);

} // namespace ov
