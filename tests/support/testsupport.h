#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace ovtest {

// A throw-away executable folder: the program's files (settings, library,
// pictures) are looked up here while the fixture lives.
class TempExeFolder {
public:
    TempExeFolder();
    ~TempExeFolder();
    TempExeFolder(const TempExeFolder&) = delete;
    TempExeFolder& operator=(const TempExeFolder&) = delete;

    const std::string& Dir() const { return dir_; } // no trailing separator
    std::string Path(const std::string& relative) const { return dir_ + "/" + relative; }
    std::string SettingsFile() const { return dir_ + "/Orvella.ini"; }

    void Write(const std::string& relative, std::string_view bytes) const; // creates parents
    std::string Read(const std::string& relative) const;
    void MakeFolder(const std::string& relative) const;
    // A category with lists, each given as (name, content).
    void MakeCategory(const std::string& category,
                      const std::vector<std::pair<std::string, std::string>>& lists) const;

private:
    std::string dir_;
};

// True when the process may write any file whatever its mode (root), so
// permission tests must use another way to make a write fail.
bool RunningAsRoot();

} // namespace ovtest
