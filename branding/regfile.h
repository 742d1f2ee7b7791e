#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// The string values of a file in the Windows ".reg" export syntax, keyed by
// lower-cased value name. A value of another type (dword:, hex:, ...) is kept
// with empty text: a registry reader that asks for a string gets nothing.
// Section lines ([key]), the editor header, comments and lines that do not
// parse are ignored; a later value of the same name replaces an earlier one.
class RegValues {
public:
    // Empty when the name is missing or the value is not a string.
    std::string Get(std::string_view name) const;
    bool Has(std::string_view name) const;
    size_t Size() const { return values_.size(); }

    void Set(std::string_view name, std::string value);

private:
    std::map<std::string, std::string> values_;
};

// Parses file content. UTF-8 (with or without a byte-order mark) and the
// UTF-16LE that the Windows registry editor writes are both accepted.
RegValues ParseRegValues(std::string_view content);

// Reads and parses a file. Only the first maxBytes are looked at, so a huge
// or runaway file cannot stall start-up; a line cut at that limit is dropped.
// A missing or unreadable file gives no values.
constexpr size_t kRegFileLimit = 1 << 20;
RegValues ReadRegFile(const std::string& path, size_t maxBytes = kRegFileLimit);

// Reads at most maxBytes of a regular file (never a folder, device or
// FIFO). truncated tells whether the file holds more. False when the file
// cannot be opened or is not a regular file.
bool ReadFileHead(const std::string& path, size_t maxBytes, std::string& out, bool& truncated);

// The folders searched for per-user configuration, most important first:
// $XDG_CONFIG_HOME (else $HOME/.config), then each of $XDG_CONFIG_DIRS (else
// /etc/xdg). Relative entries are ignored, as the base-directory rules ask.
// Every folder ends in "/".
std::vector<std::string> ConfigSearchFolders(const char* xdgConfigHome, const char* home,
                                             const char* xdgConfigDirs);
std::vector<std::string> ConfigSearchFolders(); // from the environment

// The first regular file relPath under the given folders, or empty. The
// steps of relPath match without regard to case, the exact name first.
std::string FindConfigFile(const std::string& relPath, const std::vector<std::string>& folders);

} // namespace ov
