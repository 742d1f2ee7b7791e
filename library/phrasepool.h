#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// The ordered phrases of the ticked lists. All text sits in one buffer with
// an index of line starts, so a pool of a million short phrases costs little
// more than the bytes of its lists.
class PhrasePool {
public:
    size_t Count() const { return ends_.size(); }
    bool Empty() const { return ends_.empty(); }
    std::string_view operator[](size_t i) const
    {
        const size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    void Clear()
    {
        text_.clear();
        text_.shrink_to_fit();
        ends_.clear();
        ends_.shrink_to_fit();
    }
    void Add(std::string_view phrase)
    {
        text_.append(phrase);
        ends_.push_back(text_.size());
    }
    void Reserve(size_t bytes, size_t lines)
    {
        text_.reserve(text_.size() + bytes);
        ends_.reserve(ends_.size() + lines);
    }

private:
    std::string text_;
    std::vector<size_t> ends_;
};

// Splits the bytes of a phrase list into its lines: CR LF, lone CR and lone LF
// end a line, a NUL ends the text, a break at the very end adds no empty line,
// a UTF-8 byte-order mark at the start is dropped. Lines are kept unchanged.
template <typename Sink>
void ForEachPhraseLine(std::string_view bytes, Sink&& sink)
{
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.remove_prefix(3);
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    size_t start = 0;
    const size_t n = bytes.size();
    while (start < n) {
        size_t end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        sink(bytes.substr(start, end - start));
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
}

std::vector<std::string> SplitPhraseText(std::string_view bytes);

// Appends the lines of a list file's bytes.
void AppendPhraseText(std::string_view bytes, PhrasePool& pool);


} // namespace ov
