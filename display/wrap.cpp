#include "display/wrap.h"

#include <cstdint>

namespace ov {
namespace {

bool IsBreakChar(char c) { return c == ' ' || c == '-' || c == '\t'; }
bool IsQuoteChar(char c) { return c == '"' || c == '\''; }

// Length in bytes of the UTF-8 character whose lead byte is at i: the lead
// byte plus the continuation bytes that actually follow it, so a truncated
// sequence never takes bytes beyond the text or of the next character.
size_t CharLength(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t expected = 1;
    if (lead >= 0xF0 && lead <= 0xF7)
        expected = 4;
    else if (lead >= 0xE0)
        expected = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC0)
        expected = 2;
    size_t n = 1;
    while (n < expected && i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

bool IsCrLfAt(std::string_view s, size_t i)
{
    return i + 1 < s.size() && s[i] == '\r' && s[i + 1] == '\n';
}

} // namespace

std::string WrapToColumns(std::string_view text, int maxColumns)
{
    // Positions are 0-based here; b == npos stands for "no break seen yet".
    constexpr size_t none = std::string_view::npos;
    const size_t len = text.size();
    std::string result;
    result.reserve(len + len / 8 + 2);

    size_t p = 0;
    long col = 1;
    size_t start = 0;
    size_t brk = none;
    char quote = 0;
    bool existingBreak = false;

    // A break position at or before the line start is no break opportunity.
    auto noBreakInLine = [&] { return brk == none || brk <= start; };

    while (p < len) {
        const char ch = text[p];
        const size_t charLen = CharLength(text, p);
        if (charLen > 1) {
            p += charLen - 1;
            col += static_cast<long>(charLen) - 1;
        } else {
            if (IsQuoteChar(ch)) {
                if (quote == 0)
                    quote = ch;
                else if (ch == quote)
                    quote = 0;
            }
            if (quote == 0) {
                if (IsCrLfAt(text, p)) {
                    existingBreak = true;
                    ++p;
                    brk = p;
                } else if (IsBreakChar(ch)) {
                    brk = p;
                }
            }
        }
        ++p;
        ++col;
        if (quote != 0)
            continue;
        if (!existingBreak && (col <= maxColumns || noBreakInLine()))
            continue;

        // End the line after the break position.
        col = 1;
        result.append(text.substr(start, brk - start + 1));
        // An existing CR LF already ends the line; adding another would
        // leave an empty line behind.
        if (!existingBreak) {
            size_t q = p;
            if (!IsQuoteChar(ch)) {
                while (q < len) {
                    if (IsBreakChar(text[q]))
                        ++q;
                    else if (IsCrLfAt(text, q))
                        q += 2;
                    else
                        break;
                }
            }
            if (q < len)
                result.append("\r\n");
        }
        start = brk + 1;
        brk = start;
        p = start;
        existingBreak = false;
    }
    if (start < len)
        result.append(text.substr(start));
    return result;
}

std::string TrimPhrase(std::string_view phrase)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t first = 0;
    size_t last = phrase.size();
    while (first < last && blank(phrase[first]))
        ++first;
    while (last > first && blank(phrase[last - 1]))
        --last;
    return std::string(phrase.substr(first, last - first));
}

std::string_view NextPhrase(const PhrasePool& pool, int32_t& cursor, const std::function<void()>& buildPool)
{
    // buildPool refills this very pool, so it is read only after the call.
    if (pool.Empty() && buildPool)
        buildPool();
    const int64_t next = static_cast<int64_t>(cursor) + 1;
    if (pool.Empty()) {
        cursor = next > INT32_MAX ? 0 : static_cast<int32_t>(next);
        return {};
    }
    const bool outside = next < 0 || next > INT32_MAX || static_cast<uint64_t>(next) >= pool.Count();
    cursor = outside ? 0 : static_cast<int32_t>(next);
    return pool[static_cast<size_t>(cursor)];
}

} // namespace ov
