#include "display/wrap.h"

#include "platform/text.h"

#include <QString>
#include <QTextBoundaryFinder>
#include <cstdint>
#include <initializer_list>
#include <utility>

namespace ov {
namespace {

bool IsBreakChar(char c) { return c == ' ' || c == '-' || c == '\t'; }
bool IsQuoteChar(char c) { return c == '"' || c == '\''; }

bool IsCrLfAt(std::string_view s, size_t i)
{
    return i + 1 < s.size() && s[i] == '\r' && s[i + 1] == '\n';
}

bool InRanges(char32_t c, std::initializer_list<std::pair<char32_t, char32_t>> ranges)
{
    for (const auto& [first, last] : ranges)
        if (c >= first && c <= last)
            return true;
    return false;
}

// East Asian Wide and Fullwidth, as a terminal counts them; emoji are left
// out, as they count one column here.
bool IsWide(char32_t c)
{
    return c >= 0x1100
           && InRanges(c, {{0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF},
                           {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xA960, 0xA97F}, {0xAC00, 0xD7A3},
                           {0xF900, 0xFAFF}, {0xFE10, 0xFE19}, {0xFE30, 0xFE6F}, {0xFF00, 0xFF60},
                           {0xFFE0, 0xFFE6}, {0x1B000, 0x1B2FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD}});
}

bool IsRegionalIndicator(char32_t c) { return c >= 0x1F1E6 && c <= 0x1F1FF; }

// Characters shown as emoji without a variation selector asking for it.
bool HasEmojiPresentation(char32_t c)
{
    return InRanges(c, {{0x1F300, 0x1F5FF}, {0x1F600, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF},
                        {0x1FA70, 0x1FAFF}, {0x1F1E6, 0x1F1FF}, {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF},
                        {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x231A, 0x231B}, {0x23E9, 0x23EC},
                        {0x23F0, 0x23F0}, {0x23F3, 0x23F3}, {0x25FD, 0x25FE}, {0x2614, 0x2615},
                        {0x2648, 0x2653}, {0x267F, 0x267F}, {0x2693, 0x2693}, {0x26A1, 0x26A1},
                        {0x26AA, 0x26AB}, {0x26BD, 0x26BE}, {0x26C4, 0x26C5}, {0x26CE, 0x26CE},
                        {0x26D4, 0x26D4}, {0x26EA, 0x26EA}, {0x26F2, 0x26F3}, {0x26F5, 0x26F5},
                        {0x26FA, 0x26FA}, {0x26FD, 0x26FD}, {0x2705, 0x2705}, {0x270A, 0x270B},
                        {0x2728, 0x2728}, {0x274C, 0x274C}, {0x274E, 0x274E}, {0x2753, 0x2755},
                        {0x2757, 0x2757}, {0x2795, 0x2797}, {0x27B0, 0x27B0}, {0x27BF, 0x27BF},
                        {0x2B1B, 0x2B1C}, {0x2B50, 0x2B50}, {0x2B55, 0x2B55}});
}

char32_t CodePointAt(const QString& s, qsizetype i)
{
    const QChar c = s.at(i);
    if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, s.at(i + 1));
    return c.unicode();
}

bool IsEmojiCluster(const QString& s, qsizetype begin, qsizetype end)
{
    const char32_t first = CodePointAt(s, begin);
    if (HasEmojiPresentation(first))
        return true;
    for (qsizetype i = begin; i < end; ++i) {
        const char32_t c = CodePointAt(s, i);
        if (c == 0xFE0F || (c >= 0x1F3FB && c <= 0x1F3FF))
            return true;
    }
    return false;
}

// Byte offset in the UTF-8 text of every UTF-16 position of its QString,
// the end included.
std::vector<size_t> ByteOffsets(std::string_view text)
{
    std::vector<size_t> offsets;
    offsets.reserve(text.size() + 1);
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        offsets.push_back(i);
        if (len == 4)
            offsets.push_back(i); // the low surrogate
        i += len;
    }
    offsets.push_back(text.size());
    return offsets;
}

// What the wrap needs to know of the cluster starting at each byte: its
// length in bytes, its columns and whether a line may break before it.
// Empty for ASCII and for text that is not UTF-8: a byte is a cluster then.
struct ByteClusters {
    std::vector<uint32_t> length;
    std::vector<uint8_t> columns;
    std::vector<bool> breakBefore;

    size_t Length(size_t p) const { return length.empty() ? 1 : length[p]; }
    int Columns(size_t p) const { return columns.empty() ? 1 : columns[p]; }
    bool BreakBefore(size_t p) const { return !breakBefore.empty() && breakBefore[p]; }
};

ByteClusters ClustersOfBytes(std::string_view text)
{
    ByteClusters bytes;
    if (IsAscii(text) || !IsValidUtf8(text))
        return bytes;
    const QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const std::vector<size_t> at = ByteOffsets(text);
    bytes.length.assign(text.size(), 1);
    bytes.columns.assign(text.size(), 1);
    bytes.breakBefore.assign(text.size(), false);
    for (const TextCluster& c : ClustersOf(s)) {
        const size_t b = at[size_t(c.begin)];
        const size_t e = at[size_t(c.end)];
        bytes.length[b] = uint32_t(e - b);
        bytes.columns[b] = uint8_t(c.columns);
        // Between ASCII characters the rules of old apply alone.
        const bool beyondAscii = static_cast<unsigned char>(text[b]) >= 0x80
                                 || (b > 0 && static_cast<unsigned char>(text[b - 1]) >= 0x80);
        bytes.breakBefore[b] = c.breakBefore && beyondAscii;
    }
    return bytes;
}

} // namespace

std::vector<TextCluster> ClustersOf(const QString& text)
{
    std::vector<TextCluster> clusters;
    if (text.isEmpty())
        return clusters;
    std::vector<bool> lineBreak(size_t(text.size()) + 1, false);
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    for (qsizetype p = lines.toNextBoundary(); p > 0 && p < text.size(); p = lines.toNextBoundary())
        lineBreak[size_t(p)] = lines.boundaryReasons().testFlag(QTextBoundaryFinder::BreakOpportunity);

    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype begin = 0;
    for (qsizetype p = graphemes.toNextBoundary(); p > 0; p = graphemes.toNextBoundary()) {
        // A flag is a pair of regional indicators, which the finder may
        // part: no boundary after an odd count of them before another.
        if (p < text.size() && IsRegionalIndicator(CodePointAt(text, p))) {
            int before = 0;
            for (qsizetype i = p - 2; i >= begin && IsRegionalIndicator(CodePointAt(text, i)); i -= 2)
                ++before;
            if (before % 2 == 1)
                continue;
        }
        // CR LF stays two clusters, as the wrap has always taken it.
        const qsizetype end = p;
        if (end - begin == 2 && text.at(begin) == u'\r' && text.at(begin + 1) == u'\n') {
            clusters.push_back({begin, begin + 1, 1, false, lineBreak[size_t(begin)]});
            clusters.push_back({begin + 1, end, 1, false, false});
        } else {
            TextCluster c{begin, end, IsWide(CodePointAt(text, begin)) ? 2 : 1, IsEmojiCluster(text, begin, end),
                          lineBreak[size_t(begin)]};
            clusters.push_back(c);
        }
        begin = end;
    }
    return clusters;
}

SplitPoints SplitPointsOf(std::string_view line)
{
    SplitPoints points;
    if (!IsValidUtf8(line)) {
        for (size_t i = 0; i < line.size(); ++i) {
            points.clusters.push_back(i + 1);
            if (IsBreakChar(line[i]) || i + 1 == line.size())
                points.breaks.push_back(i + 1);
        }
        return points;
    }
    const QString s = QString::fromUtf8(line.data(), qsizetype(line.size()));
    const std::vector<size_t> at = ByteOffsets(line);
    const std::vector<TextCluster> clusters = ClustersOf(s);
    for (size_t k = 0; k < clusters.size(); ++k) {
        const size_t end = at[size_t(clusters[k].end)];
        points.clusters.push_back(end);
        const bool last = k + 1 == clusters.size();
        if (last || IsBreakChar(line[at[size_t(clusters[k].begin)]]) || clusters[k + 1].breakBefore)
            points.breaks.push_back(end);
    }
    return points;
}

std::string WrapToColumns(std::string_view text, int maxColumns)
{
    // Positions are 0-based here; b == npos stands for "no break seen yet".
    constexpr size_t none = std::string_view::npos;
    const size_t len = text.size();
    const ByteClusters clusters = ClustersOfBytes(text);
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
        const size_t length = clusters.Length(p);
        const int columns = clusters.Columns(p);
        if (quote == 0 && p > start && clusters.BreakBefore(p))
            brk = p - 1;
        if (static_cast<unsigned char>(ch) < 0x80) {
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
                    brk = p + length - 1; // marks on a space stay with it
                }
            }
        }
        p += length - 1;
        col += columns - 1;
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
