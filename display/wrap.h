#pragma once
#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "library/phrasepool.h"

class QString;

namespace ov {

// Inserts CR LF line breaks so that lines hold about maxColumns columns.
// A line is broken after the last space, hyphen or tab seen in it, which
// stays at the end of the line, or, next to a character beyond ASCII, where
// Unicode line breaking allows (between two Chinese characters, between
// Thai words); a word longer than a line is never split; nothing is broken
// while a double quote or apostrophe is open; an existing CR LF always ends
// a line. Columns are counted as the eye sees them: one per grapheme cluster
// (a letter with its marks, an emoji sequence), two for an East Asian wide
// character. Text that is not UTF-8 counts one column per byte.
std::string WrapToColumns(std::string_view text, int maxColumns);

// One grapheme cluster of a text, in UTF-16 positions [begin, end): the
// columns it takes, whether it is shown as an emoji, and whether Unicode
// line breaking allows a break before it. CR LF are two clusters.
struct TextCluster {
    qsizetype begin = 0;
    qsizetype end = 0;
    int columns = 1;
    bool emoji = false;
    bool breakBefore = false;
};
std::vector<TextCluster> ClustersOf(const QString& text);

// Byte offsets into a line where it may be split when it is too wide:
// breaks are the ends of clusters after which a line may break (a space,
// hyphen or tab, or a Unicode line break opportunity); clusters are the
// ends of all grapheme clusters. Both ascend and end with the line's size.
struct SplitPoints {
    std::vector<size_t> breaks;
    std::vector<size_t> clusters;
};
SplitPoints SplitPointsOf(std::string_view line);

// The phrase with leading and trailing bytes of codes 0 to 32 removed.
std::string TrimPhrase(std::string_view phrase);

// Advances cursor to the next phrase of the pool, wrapping to the first one,
// and returns it. An empty pool is refilled with buildPool first, which is
// expected to set cursor to -1; empty when there still is nothing to show.
// The result points into the pool and is valid until the pool changes.
std::string_view NextPhrase(const PhrasePool& pool, int32_t& cursor, const std::function<void()>& buildPool);

} // namespace ov
