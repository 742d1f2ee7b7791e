#include "library/phrasepool.h"
#include "platform/error.h"
#include "platform/files.h"

namespace ov {

std::vector<std::string> SplitPhraseText(std::string_view bytes)
{
    std::vector<std::string> lines;
    ForEachPhraseLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

void AppendPhraseText(std::string_view bytes, PhrasePool& pool)
{
    // Lines average well over 8 bytes; reserving by that keeps the index
    // from reallocating while a large list is added.
    pool.Reserve(bytes.size(), bytes.size() / 8 + 1);
    ForEachPhraseLine(bytes, [&](std::string_view line) { pool.Add(line); });
}

} // namespace ov
