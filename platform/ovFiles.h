#pragma once
#include <string>
#include <string_view>

namespace ov {

// Reads a whole file. On failure returns false and sets reason to the
// system's explanation.
bool ReadWholeFile(const std::string& path, std::string& out, std::string* reason = nullptr);

// Replaces a file atomically: a temporary file in the same folder is written,
// flushed and renamed over the old one, so a crash or a full disk leaves the
// old file whole. An existing file the user may not write gets the error a
// direct write would, and a replacement keeps the old file's permissions.
bool WriteFileAtomic(const std::string& path, std::string_view data, std::string* reason = nullptr);

} // namespace ov
