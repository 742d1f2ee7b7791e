#include "display/glyphmask.h"

#include "display/blend.h"

#include "platform/text.h"
#include "display/layout.h"
#include "display/wrap.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace ov {

namespace {

constexpr QRgb RgbMask = 0x00FFFFFF;

// A view of the image in a 32-bit format whose pixels hold plain RGB;
// other formats are converted once.
QImage As32Bit(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return image;
    default:
        return image.convertToFormat(QImage::Format_ARGB32);
    }
}

} // namespace

QFont MaskFont(const QFont& font)
{
    QFont f(font);
    f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::NoAntialias));
    return f;
}

QSize DeviceSize(const QSize& size, qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0)
        return size;
    return QSize(qRound(size.width() * devicePixelRatio), qRound(size.height() * devicePixelRatio));
}

void LayOutPhraseLine(QTextLayout& layout, Qt::LayoutDirection direction)
{
    const QString text = layout.text();
    QList<QTextLayout::FormatRange> emoji;
    for (const TextCluster& c : ClustersOf(text)) {
        if (!c.emoji)
            continue;
        if (!emoji.isEmpty() && emoji.back().start + emoji.back().length == c.begin) {
            emoji.back().length += c.end - c.begin;
            continue;
        }
        QTextLayout::FormatRange range;
        range.start = int(c.begin);
        range.length = int(c.end - c.begin);
        range.format.setFontFamilies({QString::fromLatin1(EmojiFamily)});
        emoji.push_back(range);
    }
    layout.setFormats(emoji);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setPosition(QPointF(0, 0));
    layout.endLayout();
}

Qt::LayoutDirection PhraseDirection(std::string_view text)
{
    return ov::TextOfBytes(text).isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

QImage RenderPhraseImage(std::string_view wrapped, const QSize& size, int lineHeight, const QFont& font,
                         const QColor& colour, qreal devicePixelRatio)
{
    if (size.isEmpty())
        return {};
    const QSize pixels = DeviceSize(size, devicePixelRatio);
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        throw NoMemoryForPhrase(pixels);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(MaskFont(font));
    painter.setPen(colour);
    const QFont maskFont = MaskFont(font);
    const int ascent = painter.fontMetrics().ascent();
    const Qt::LayoutDirection direction = PhraseDirection(wrapped);
    const std::vector<std::string> lines = PhraseLines(wrapped);
    for (size_t k = 0; k < lines.size(); ++k) {
        const int top = static_cast<int>(k) * (lineHeight + 2);
        if (top >= size.height())
            break;
        QTextLayout layout(ov::TextOfBytes(lines[k]), maskFont, &image);
        LayOutPhraseLine(layout, direction);
        const QTextLine line = layout.lineAt(0);
        // Every line on the font's own baseline, whatever fallback fonts
        // the line drew on.
        const qreal left = direction == Qt::RightToLeft ? std::max<qreal>(0, size.width() - line.naturalTextWidth()) : 0;
        layout.draw(&painter, QPointF(left, top + ascent - line.ascent()));
    }
    painter.end();
    return image;
}

QRegion RegionFromBitmap(const QImage& image, QRgb colour)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    const QImage img = As32Bit(image);
    const int width = img.width();
    const int height = img.height();
    const QRgb key = colour & RgbMask;

    // Rows with the same runs are merged into one band, which is the form
    // QRegion keeps internally, so the rectangles can be handed over as they
    // are instead of being united one by one.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs;     // [start, end) of this row
    std::vector<std::pair<int, int>> prevRuns; // of the row above
    size_t bandFirst = 0;                      // first rectangle of the row above's band

    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        runs.clear();
        int x = 0;
        while (x < width) {
            while (x < width && (line[x] & RgbMask) == key)
                ++x;
            if (x >= width)
                break;
            const int start = x;
            while (x < width && (line[x] & RgbMask) != key)
                ++x;
            runs.emplace_back(start, x);
        }
        if (!runs.empty() && runs == prevRuns) {
            for (size_t i = bandFirst; i < rects.size(); ++i)
                rects[i].setBottom(y);
        } else {
            bandFirst = rects.size();
            for (const auto& [start, end] : runs)
                rects.emplace_back(start, y, end - start, 1);
        }
        runs.swap(prevRuns);
    }
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

QRegion RegionFromBitmapReference(const QImage& image, QRgb colour)
{
    QRegion region;
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return region;
    const QRgb key = colour & RgbMask;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && (image.pixel(x, y) & RgbMask) == key)
                ++x;
            if (x >= width)
                break;
            const int start = x;
            while (x < width && (image.pixel(x, y) & RgbMask) != key)
                ++x;
            region = region.united(QRect(start, y, x - start, 1));
        }
    }
    return region;
}

namespace {

bool HasEmoji(std::string_view text)
{
    if (IsAscii(text))
        return false;
    const std::vector<TextCluster> clusters = ClustersOf(ov::TextOfBytes(text));
    return std::any_of(clusters.begin(), clusters.end(), [](const TextCluster& c) { return c.emoji; });
}

// Every pixel of the shape in the plain ink, as the window has always shown
// its letters (a scaled screen draws their edges blended), except where
// other, the same glyphs in another ink, has the same pixel: that is a
// colour glyph's own colour, which stays.
void FlattenInk(QImage& image, const QRegion& region, QRgb ink, const QImage* other)
{
    const QRect bounds = image.rect();
    const QRgb plain = ink | 0xFF000000u;
    for (const QRect& rect : region) {
        const QRect run = rect.intersected(bounds);
        for (int y = run.top(); y <= run.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const auto* alt = other ? reinterpret_cast<const QRgb*>(other->constScanLine(y)) : nullptr;
            for (int x = run.left(); x <= run.right(); ++x)
                if (!alt || (alt[x] & RgbMask) != (line[x] & RgbMask))
                    line[x] = plain;
        }
    }
}

} // namespace

PhraseMask BuildPhraseMask(const PhraseLayout& layout, const QFont& font, const QColor& colour,
                           qreal devicePixelRatio)
{
    PhraseMask mask;
    const QSize size(layout.width, layout.height);
    mask.image = RenderPhraseImage(layout.text, size, layout.lineHeight, font, colour, devicePixelRatio);
    if (mask.image.isNull())
        return mask;
    const QRgb white = qRgb(255, 255, 255);
    const bool whiteInk = (colour.rgb() & RgbMask) == (white & RgbMask);
    const bool emoji = HasEmoji(layout.text);
    // White ink on the white bitmap leaves no trace: the shape is that of
    // the same glyphs drawn in black. That drawing also tells colour glyphs,
    // which look the same in any ink, from letters.
    QImage other;
    if (whiteInk || emoji)
        other = RenderPhraseImage(layout.text, size, layout.lineHeight, font,
                                  QColor(whiteInk ? qRgb(0, 0, 0) : (colour.rgb() ^ RgbMask)), devicePixelRatio);
    mask.region = RegionFromBitmap(whiteInk ? other : mask.image, white);
    FlattenInk(mask.image, mask.region, colour.rgb(), emoji ? &other : nullptr);
    return mask;
}

} // namespace ov
