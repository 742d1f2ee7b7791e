#pragma once
#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace ov {

// Drops a UTF-8 byte-order mark from the start of a phrase list's bytes;
// returns whether there was one.
inline bool DropUtf8Mark(std::string_view& bytes)
{
    if (bytes.substr(0, 3) != "\xEF\xBB\xBF") return false;
    bytes.remove_prefix(3);
    return true;
}

// Splits the text of a phrase list into its lines, the same for the pool
// (bytes, std::string_view) and the editor (decoded text, QStringView): CR
// LF, lone CR and lone LF end a line, a NUL ends the text, a break at the
// very end adds no empty line. Calls sink(line, lineBreak) for each line in
// order; lineBreak is the break that ended it, empty for a last line without
// one. Lines are kept unchanged. Returns whether a NUL cut the text short.
template <typename View, typename Sink>
bool ForEachListLine(View text, Sink&& sink)
{
    using Char = std::remove_cv_t<std::remove_pointer_t<decltype(text.data())>>;
    const auto* const p = text.data();
    size_t n = size_t(text.size());
    const Char* nul = p + n;
    if constexpr (sizeof(Char) == 1) { // memchr: the pool reads tens of megabytes
        if (const void* q = n ? std::memchr(p, 0, n) : nullptr) nul = static_cast<const Char*>(q);
    } else {
        nul = std::find(p, p + n, Char(u'\0'));
    }
    const bool cut = nul != p + n;
    n = size_t(nul - p);
    size_t start = 0;
    while (start < n) {
        size_t end = start;
        while (end < n && p[end] != Char(u'\r') && p[end] != Char(u'\n')) ++end;
        size_t next = end < n ? end + 1 : n;
        if (end < n && p[end] == Char(u'\r') && next < n && p[next] == Char(u'\n')) ++next;
        sink(View(p + start, decltype(text.size())(end - start)), View(p + end, decltype(text.size())(next - end)));
        start = next;
    }
    return cut;
}

} // namespace ov
