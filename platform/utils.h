#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Splits at the first occurrence of delimiter. Found: head is the text before
// it, tail the text after it. Not found: head empty, tail the whole source.
// Without case sensitivity only the letters a to z are folded.
bool SplitAtDelimiter(std::string_view source, std::string_view delimiter, bool caseSensitive,
                      std::string& head, std::string& tail);

// Entries of a folder matching a pattern "folder/<wildcard>", hidden ones and
// folders included, "." and ".." skipped; FIFOs, devices and sockets (also
// behind a link) are left out. Names are cut at their last dot unless
// extensions are kept. Listing order is by name without regard to case, so
// positions stay stable between runs.
std::vector<std::string> ListFiles(const std::string& pattern, bool keepExtensions);

// Sub-folders of a folder that are not hidden (a name starting with "."),
// by name without regard to case. A trailing "/*.*" or "/*" is accepted.
std::vector<std::string> ListSubfolders(const std::string& path);

// Letters A to Z lowered / a to z raised, other bytes untouched.
std::string AsciiLower(std::string_view s);
std::string AsciiUpper(std::string_view s);
bool SameTextAscii(std::string_view a, std::string_view b);
bool LessTextAscii(std::string_view a, std::string_view b);

// The running executable. Tests point these at a temporary folder so that
// the real forms work on throw-away files.
std::string ExePath();
std::string ExeFolder(); // with its trailing separator
std::string ExeBaseName(); // file name without folder and extension
void SetExePath(const std::string& path);

bool FileExists(const std::string& path);   // an existing non-folder
bool FolderExists(const std::string& path);
bool ForceFolders(const std::string& path); // creates missing parents too

// Case-insensitive lookup of a regular file in a folder: the name as stored
// on disk, or empty when there is none.
std::string FindFileNoCase(const std::string& folder, const std::string& name);

} // namespace ov
