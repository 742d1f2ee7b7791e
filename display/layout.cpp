#include "display/layout.h"

#include "platform/text.h"
#include "display/glyphmask.h"
#include "display/wrap.h"
#include "platform/error.h"
#include "platform/utils.h"
#include "platform/translate.h"

#include <QString>
#include <algorithm>
#include <cstdlib>

namespace ov {

namespace {
const std::string_view LineBreak = "\r\n";
}

FontMeasurer::FontMeasurer(const QFont& font) : metrics_(MaskFont(font)) {}

int FontMeasurer::TextWidth(std::string_view text) const
{
    return metrics_.horizontalAdvance(ov::TextOfBytes(text));
}

int FontMeasurer::TextHeight(std::string_view) const
{
    // A single line is as high as the font, whatever its characters.
    return metrics_.height();
}

std::vector<std::string> PhraseLines(std::string_view wrapped)
{
    std::vector<std::string> lines;
    std::string head;
    std::string rest;
    if (!SplitAtDelimiter(wrapped, LineBreak, false, head, rest)) {
        // Not from LayoutPhrase: show the text as it is on one line.
        if (!wrapped.empty())
            lines.emplace_back(wrapped);
        return lines;
    }
    lines.push_back(head);
    while (SplitAtDelimiter(rest, LineBreak, false, head, rest))
        lines.push_back(head);
    return lines;
}

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
    layout.text = WrapToColumns(w, screenWidth / widthOfM);
    layout.lineHeight = measurer.TextHeight("Mg");

    const std::vector<std::string> lines = PhraseLines(layout.text);
    int width = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            height += layout.lineHeight + 2;
        width = std::max(width, measurer.TextWidth(lines[i]));
    }
    layout.width = width;
    layout.height = height;
    return layout;
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
    if (std::abs(x + window.width() - right) < SnapDistance)
        x = right - window.width();
    if (std::abs(y + window.height() - bottom) < SnapDistance)
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
