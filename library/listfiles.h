#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include <QString>

namespace ov {

// The most text the editor takes: 64 MiB. A phrase list is a small text
// file; anything larger is almost certainly not one, and loading it would
// freeze the editor for a long time.
inline constexpr size_t kEditorCapacity = size_t(64) << 20;

// A phrase list is the file "<name>.txt" in its category's folder.
std::string ListFileName(const std::string& listName);
// The pattern that finds the phrase lists of a category folder.
std::string ListFilePattern(const std::string& categoryFolder);

enum class ListEncoding { Utf8, Latin1, Utf16LE, Utf16BE };

// How a list file is written, so that a save gives back what it read: its
// encoding, its byte-order mark and its line break.
struct ListFormat {
    ListEncoding encoding = ListEncoding::Utf8;
    bool byteOrderMark = false;
    std::string lineBreak = "\r\n"; // the file's first; CR LF for a file without one
    bool operator==(const ListFormat&) const = default;
};

// A list file as the editor shows it.
struct ListText {
    QString text; // lines joined by '\n'
    ListFormat format;
    // Not empty when the editor cannot show the file faithfully (a NUL, bytes
    // that are no text in its encoding): why it must stay read-only.
    std::string readOnlyReason;
};

// Reads UTF-16 with its mark (either byte order), UTF-8 with or without a
// mark, and anything else byte for byte as Latin-1. The lines are split as
// the pool splits them (ForEachListLine): every line break (CR LF, lone CR,
// lone LF) becomes '\n', and a NUL ends the text.
ListText DecodeListText(std::string_view bytes);

// The bytes of the text in the given format. A Latin-1 list that gained a
// character Latin-1 cannot hold becomes UTF-8 whole.
std::string EncodeListText(const QString& text, const ListFormat& format);

// Reads and decodes a list file for the editor. Throws "Cannot open file ..."
// when it cannot be read and "Text exceeds memo capacity" when it is too large.
ListText LoadListText(const std::string& path, size_t capacity = kEditorCapacity);

// What identifies a file's present content cheaply: device, inode, size and
// modification time; empty when there is no such file. Another program's
// write or rename changes it.
std::string FileStamp(const std::string& path);

// Replaces a list file with the text exactly, atomically: a failed save
// leaves the old file whole. Throws "Cannot create file ...".
void SaveListText(const std::string& path, std::string_view text);

// Why a typed name cannot be a new list in its category folder, or empty
// when it can. An empty name is the caller's own case.
std::string NewListNameProblem(const std::string& name);

enum class NewListResult { Created, AlreadyExists, NoCategoryFolder };

// Creates the empty list file of that name in the folder. An existing list of the
// same name (letter case aside) keeps its phrases. Throws "Cannot create
// file ..." when the file system refuses.
NewListResult CreateEmptyList(const std::string& categoryFolder, const std::string& name);

// Deletes a list file. A file already gone counts as deleted; any other
// failure throws "Cannot delete file ...".
void DeleteListFile(const std::string& path);

} // namespace ov
