#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "library/phrasepool.h"

namespace ov {

// Inserts CR LF line breaks so that lines hold about maxColumns columns.
// A line is broken after the last space, hyphen or tab seen in it, which
// stays at the end of the line; a word longer than a line is never split;
// nothing is broken while a double quote or apostrophe is open; an existing
// CR LF always ends a line. A multi-byte UTF-8 character counts one column
// per byte.
std::string WrapToColumns(std::string_view text, int maxColumns);

// The phrase with leading and trailing bytes of codes 0 to 32 removed.
std::string TrimPhrase(std::string_view phrase);

// Advances cursor to the next phrase of the pool, wrapping to the first one,
// and returns it. An empty pool is refilled with buildPool first, which is
// expected to set cursor to -1; empty when there still is nothing to show.
// The result points into the pool and is valid until the pool changes.
std::string_view NextPhrase(const PhrasePool& pool, int32_t& cursor, const std::function<void()>& buildPool);

} // namespace ov
