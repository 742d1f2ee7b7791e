#pragma once
#include "library/reportmemory.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// The ordered phrases of the ticked lists. All text sits in one buffer with
// an index of line ends, so a pool of a million short phrases costs little
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

// The lines of a phrase list's bytes (see ForEachListLine); a UTF-8
// byte-order mark at the start is dropped.
std::vector<std::string> SplitPhraseText(std::string_view bytes);

// Appends the lines of a list file's bytes; a list saved as UTF-16 with
// its mark adds the lines of the text it holds.
void AppendPhraseText(std::string_view bytes, PhrasePool& pool);

// Refills the pool from the files of the ticked lists, list after list in
// the given order. Missing files and folders are passed over. A list that
// cannot be read (or is not a regular file, or is larger than the cap) is
// left out and the rest still fill the pool. Returns a message for each
// such list that is news to `reported` (a first failure, or the file changed
// since it was told); a list that reads again is forgotten there. Without
// `reported` every failure is returned.
std::vector<std::string> BuildPhrasePool(const std::string& category, const std::vector<std::string>& tickedLists,
                                         PhrasePool& pool, ReportMemory* reported = nullptr);

} // namespace ov
