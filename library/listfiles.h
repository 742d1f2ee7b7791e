#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ov {

// The most text the editor takes: 64 MiB. A phrase list is a small text
// file; anything larger is almost certainly not one, and loading it would
// freeze the editor for a long time.
inline constexpr size_t kEditorCapacity = size_t(64) << 20;

// The editor's text for the bytes of a list file: every line break (CR LF,
// lone CR, lone LF) becomes CR LF, a NUL ends the text, a UTF-8 byte-order
// mark at the start is dropped. A final line break stays a final line break.
std::string EditorTextFromBytes(std::string_view bytes);

// Reads a list file for the editor. Throws "Cannot open file ..." when it
// cannot be read and "Text exceeds memo capacity" when it is too large.
std::string LoadEditorText(const std::string& path, size_t capacity = kEditorCapacity);

// Replaces a list file with the text exactly, atomically: a failed save
// leaves the old file whole. Throws "Cannot create file ...".
void SaveListText(const std::string& path, std::string_view text);

// Why a typed name cannot be a new list in its category folder, or empty
// when it can. An empty name is the caller's own case.
std::string NewListNameProblem(const std::string& name);

enum class NewListResult { Created, AlreadyExists, NoCategoryFolder };

// Creates the empty list file "<folder>/<name>.txt". An existing list of the
// same name (letter case aside) keeps its phrases. Throws "Cannot create
// file ..." when the file system refuses.
NewListResult CreateEmptyList(const std::string& categoryFolder, const std::string& name);

// Deletes a list file. A file already gone counts as deleted; any other
// failure throws "Cannot delete file ...".
void DeleteListFile(const std::string& path);

} // namespace ov
