#include "library/phrasepool.h"
#include "library/listfiles.h"
#include "library/listlines.h"
#include "platform/error.h"
#include "platform/files.h"

namespace ov {

std::vector<std::string> SplitPhraseText(std::string_view bytes)
{
    std::vector<std::string> lines;
    DropUtf8Mark(bytes);
    ForEachListLine(bytes, [&](std::string_view line, std::string_view) { lines.emplace_back(line); });
    return lines;
}

void AppendPhraseText(std::string_view bytes, PhrasePool& pool)
{
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        // A list saved as UTF-16 flashes as the text it holds.
        const QByteArray utf8 = DecodeListText(bytes).text.toUtf8();
        AppendPhraseText(std::string_view(utf8.constData(), size_t(utf8.size())), pool);
        return;
    }
    // Lines average well over 8 bytes; reserving by that keeps the index
    // from reallocating while a large list is added.
    pool.Reserve(bytes.size(), bytes.size() / 8 + 1);
    DropUtf8Mark(bytes);
    ForEachListLine(bytes, [&](std::string_view line, std::string_view) { pool.Add(line); });
}

} // namespace ov
