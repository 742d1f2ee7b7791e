#include "display/layout.h"

#include "platform/text.h"
#include "display/glyphmask.h"
#include "display/wrap.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <QString>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ov {

namespace {
const std::string_view LineBreak = "\r\n";
}

FontMeasurer::FontMeasurer(const QFont& font) : font_(MaskFont(font)), metrics_(font_) {}

int FontMeasurer::TextWidth(std::string_view text) const
{
    const QString line = ov::TextOfBytes(text);
    if (IsAscii(text))
        return metrics_.horizontalAdvance(line);
    // Other scripts as they are drawn: emoji in their own font, shaped.
    QTextLayout layout(line, font_);
    LayOutPhraseLine(layout, Qt::LeftToRight);
    return qCeil(layout.lineAt(0).naturalTextWidth());
}

int FontMeasurer::TextHeight(std::string_view) const
{
    // A single line is as high as the font, whatever its characters.
    return metrics_.height();
}

std::vector<std::string> PhraseLines(std::string_view wrapped)
{
    std::vector<std::string> lines;
    size_t from = 0;
    size_t end = wrapped.find(LineBreak);
    if (end == std::string_view::npos) {
        // Not from LayoutPhrase: show the text as it is on one line.
        if (!wrapped.empty())
            lines.emplace_back(wrapped);
        return lines;
    }
    // Only lines ended by CR LF count: a layout ends every line so.
    for (; end != std::string_view::npos; end = wrapped.find(LineBreak, from)) {
        lines.emplace_back(wrapped.substr(from, end - from));
        from = end + LineBreak.size();
    }
    return lines;
}

namespace {

// The last point of points in (from, limit] at which the piece from there
// fits; 0 when none does. Wider pieces are assumed to end further on.
size_t LastFitting(const std::vector<size_t>& points, size_t from, size_t limit,
                   const std::function<bool(size_t)>& fits)
{
    auto lo = std::upper_bound(points.begin(), points.end(), from);
    auto hi = std::upper_bound(lo, points.end(), limit);
    size_t best = 0;
    while (lo < hi) {
        auto mid = lo + (hi - lo) / 2;
        if (fits(*mid)) {
            best = *mid;
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return best;
}

// Splits a line wider than width into pieces that fit: at break
// opportunities where it can, between grapheme clusters where a run alone
// is too wide; a single cluster wider than width stays whole.
void SplitToWidth(std::string_view line, int width, const TextMeasurer& measurer, std::vector<std::string>& out)
{
    const SplitPoints points = SplitPointsOf(line);
    size_t from = 0;
    while (from < line.size()) {
        const auto fits = [&](size_t to) { return measurer.TextWidth(line.substr(from, to - from)) <= width; };
        // No glyph is narrower than a pixel: more clusters than the width
        // never fit, so a huge line costs no more than its pieces.
        const auto first = std::upper_bound(points.clusters.begin(), points.clusters.end(), from);
        const size_t limit = *(first + std::min<ptrdiff_t>(width, points.clusters.end() - first - 1));
        size_t to = LastFitting(points.breaks, from, limit, fits);
        if (to == 0)
            to = LastFitting(points.clusters, from, limit, fits);
        if (to == 0)
            to = *first;
        out.emplace_back(line.substr(from, to - from));
        from = to;
    }
}

} // namespace

PhraseLayout LayoutPhrase(std::string_view phrase, int screenWidth, const TextMeasurer& measurer)
{
    PhraseLayout layout;
    std::string w(phrase);
    w.append(LineBreak);
    int height = measurer.TextHeight(w);

    const int widthOfM = measurer.TextWidth("M");
    if (widthOfM <= 0)
        throw OvError(Tr("Display", "The phrase cannot be shown: the display font has no width (the letter \"M\" measures "
                      "0 pixels). Please choose another font or size on the Settings page."));
    const std::string wrapped = WrapToColumns(w, screenWidth / widthOfM);
    layout.lineHeight = measurer.TextHeight("Mg");

    std::vector<std::string> lines;
    std::vector<int> widths;
    for (std::string& line : PhraseLines(wrapped)) {
        const int lineWidth = measurer.TextWidth(line);
        if (lineWidth <= screenWidth || line.empty()) {
            lines.push_back(std::move(line));
            widths.push_back(lineWidth);
            continue;
        }
        std::vector<std::string> pieces;
        SplitToWidth(line, std::max(screenWidth, 1), measurer, pieces);
        for (std::string& piece : pieces) {
            widths.push_back(measurer.TextWidth(piece));
            lines.push_back(std::move(piece));
        }
    }
    int width = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            height += layout.lineHeight + 2;
        width = std::max(width, widths[i]);
        layout.text += lines[i];
        layout.text += LineBreak;
    }
    // Only a single glyph wider than the screen is left to clip.
    layout.width = screenWidth > 0 ? std::min(width, screenWidth) : width;
    layout.height = height;
    return layout;
}

FittedPhrase FitPhrase(std::string_view phrase, const QSize& screen, const QFont& font,
                       const MeasurerFactory& measurer)
{
    FittedPhrase fitted{{}, font};
    // Even the smallest glyph takes a few pixels: what lies beyond that many
    // bytes is below the bottom edge at any size, and laying it out would
    // only keep the program busy.
    const size_t visible = size_t(std::max(screen.width(), 1)) * size_t(std::max(screen.height(), 1)) / 16;
    if (phrase.size() > visible) {
        size_t cut = visible;
        while (cut > 0 && (static_cast<unsigned char>(phrase[cut]) & 0xC0) == 0x80)
            --cut;
        phrase = phrase.substr(0, cut);
    }
    for (;;) {
        fitted.layout = LayoutPhrase(phrase, screen.width(), *measurer(fitted.font));
        if (fitted.layout.height <= screen.height())
            return fitted;
        QFont& f = fitted.font;
        if (f.pointSizeF() > 0) {
            const qreal size = f.pointSizeF();
            if (size <= MinimumFitPoints)
                break;
            f.setPointSizeF(std::max<qreal>(MinimumFitPoints, std::min(size - 1, std::floor(size * 0.9))));
        } else {
            const int size = f.pixelSize();
            if (size <= MinimumFitPixels)
                break;
            f.setPixelSize(std::max(MinimumFitPixels, std::min(size - 1, size * 9 / 10)));
        }
    }
    fitted.layout.height = std::max(0, screen.height());
    return fitted;
}

QPoint ChoosePosition(int location, const QRect& screen, const QSize& window, PlacementRandom& random)
{
    const int sw = screen.width();
    const int sh = screen.height();
    const int w = window.width();
    const int h = window.height();
    int x = 0;
    int y = 0;
    if (location == LocationRandom) {
        // x first, then y, so a seeded generator gives repeatable places.
        x = sw > 0 ? std::uniform_int_distribution<int>(0, sw - 1)(random) : 0;
        y = sh > 0 ? std::uniform_int_distribution<int>(0, sh - 1)(random) : 0;
    } else if (location >= LocationCentered) {
        x = sw / 2 - w / 2;
        y = sh / 2 - h / 2;
    }
    if (x <= 0)
        x = 0;
    if (x >= sw - w)
        x = sw - w;
    if (y < 0)
        y = 0;
    if (y >= sh - h)
        y = sh - h;
    // Larger than the screen: its start stays in sight.
    x = std::max(x, 0);
    y = std::max(y, 0);
    return {screen.left() + x, screen.top() + y};
}

QPoint SnapToWorkArea(const QPoint& pos, const QSize& window, const QRect& display, const QRect& workArea)
{
    int x = pos.x() - display.left();
    int y = pos.y() - display.top();
    if (x == 0 && y == 0)
        return pos;
    const int right = workArea.left() + workArea.width() - display.left(); // exclusive
    const int bottom = workArea.top() + workArea.height() - display.top();
    if (std::abs(x) < SnapDistance)
        x = 0;
    if (std::abs(y) < SnapDistance)
        y = 0;
    if (std::abs(x + window.width() - right) < SnapDistance && (right - window.width() >= 0 || x < 0))
        x = right - window.width();
    if (std::abs(y + window.height() - bottom) < SnapDistance && (bottom - window.height() >= 0 || y < 0))
        y = bottom - window.height();
    return {display.left() + x, display.top() + y};
}

size_t ScreenForPointer(const std::vector<ScreenArea>& screens, const QPoint* pointer)
{
    if (!pointer || screens.size() < 2)
        return 0;
    size_t best = 0;
    long long bestDistance = -1;
    for (size_t i = 0; i < screens.size(); ++i) {
        const QRect& g = screens[i].geometry;
        if (g.contains(*pointer))
            return i;
        const long long dx = std::max({g.left() - pointer->x(), 0, pointer->x() - g.right()});
        const long long dy = std::max({g.top() - pointer->y(), 0, pointer->y() - g.bottom()});
        const long long distance = dx * dx + dy * dy;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace ov
