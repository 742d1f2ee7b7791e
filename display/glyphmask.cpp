#include "display/glyphmask.h"

#include "platform/text.h"
#include "display/layout.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
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

QImage RenderPhraseImage(std::string_view wrapped, const QSize& size, int lineHeight, const QFont& font,
                         const QColor& colour, qreal devicePixelRatio)
{
    if (size.isEmpty())
        return {};
    const QSize pixels = DeviceSize(size, devicePixelRatio);
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        throw OvError(Format(Tr("Display", "There is not enough memory to draw the phrase (%d x %d pixels)."), pixels.width(),
                             pixels.height()));
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(MaskFont(font));
    painter.setPen(colour);
    const int ascent = painter.fontMetrics().ascent();
    const std::vector<std::string> lines = PhraseLines(wrapped);
    for (size_t k = 0; k < lines.size(); ++k) {
        const int top = static_cast<int>(k) * (lineHeight + 2);
        if (top >= size.height())
            break;
        painter.drawText(0, top + ascent,
                         ov::TextOfBytes(lines[k]));
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

PhraseMask BuildPhraseMask(const PhraseLayout& layout, const QFont& font, const QColor& colour,
                           qreal devicePixelRatio)
{
    PhraseMask mask;
    const QSize size(layout.width, layout.height);
    mask.image = RenderPhraseImage(layout.text, size, layout.lineHeight, font, colour, devicePixelRatio);
    if (mask.image.isNull())
        return mask;
    const QRgb white = qRgb(255, 255, 255);
    if ((colour.rgb() & RgbMask) != (white & RgbMask)) {
        mask.region = RegionFromBitmap(mask.image, white);
    } else {
        // White ink on the white bitmap leaves no trace: take the shape of
        // the same glyphs drawn in black.
        const QImage ink =
            RenderPhraseImage(layout.text, size, layout.lineHeight, font, QColor(Qt::black), devicePixelRatio);
        mask.region = RegionFromBitmap(ink, white);
    }
    return mask;
}

} // namespace ov
