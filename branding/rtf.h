#pragma once
#include <string>
#include <string_view>

class QTextDocument;

namespace ov {

// Replaces the content of doc with an RTF document: paragraphs and line
// breaks, bold, italic, underline, strike-out, font size, font (from the
// font table), colour (from the colour table), alignment and indents,
// \'hh bytes in the code page of the document or of the font's character
// set, \u characters, the visible text of bullets and numbers of lists, and
// tables. Pictures, objects, headers, list definitions and other
// destinations are left out. Damaged input never
// fails: what can be read is shown. Input that is not RTF at all is shown as
// plain text; the result tells which of the two happened.
bool LoadRtf(std::string_view data, QTextDocument& doc);

// Loads a file with LoadRtf. A missing, unreadable or oversized file leaves
// doc empty and returns false with the reason for the user.
inline constexpr size_t kRtfFileLimit = 32u << 20;
bool LoadRtfFile(const std::string& path, QTextDocument& doc, std::string* reason = nullptr);

} // namespace ov
