#include "display/blend.h"

#include "platform/error.h"
#include "platform/translate.h"

#include <algorithm>

namespace ov {

OvError NoMemoryForPhrase(const QSize& size)
{
    return OvError(Format(Tr("Display", "There is not enough memory to draw the phrase (%d x %d pixels)."),
                          size.width(), size.height()));
}

QImage PhrasePicture(const QSize& size, const QRegion& shape, const QColor& ink, int contrast, const QImage& beneath)
{
    if (size.isEmpty())
        return {};
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        throw NoMemoryForPhrase(size);
    const QRgb plain = ink.rgb() | 0xFF000000u;
    picture.fill(plain);
    if (beneath.isNull() || beneath.size() != size)
        return picture;

    const QImage under = beneath.format() == QImage::Format_RGB32 || beneath.format() == QImage::Format_ARGB32
                             ? beneath
                             : beneath.convertToFormat(QImage::Format_RGB32);
    const int a = std::clamp(contrast, 0, 255);
    // Each channel of the result depends on the same channel beneath only.
    uchar red[256], green[256], blue[256];
    for (int v = 0; v < 256; ++v) {
        red[v] = uchar(BlendChannel(ink.red(), v, a));
        green[v] = uchar(BlendChannel(ink.green(), v, a));
        blue[v] = uchar(BlendChannel(ink.blue(), v, a));
    }
    const QRect bounds(QPoint(0, 0), size);
    // Only the glyph pixels are seen, so only they are blended.
    ForEachShapeRow(shape, bounds, [&](int y, int left, int right) {
        const auto* src = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = left; x <= right; ++x) {
            const QRgb p = src[x];
            dst[x] = qRgb(red[qRed(p)], green[qGreen(p)], blue[qBlue(p)]);
        }
    });
    return picture;
}

QImage PhrasePicture(const QImage& glyphs, const QRegion& shape, int contrast, const QImage& beneath)
{
    if (glyphs.isNull())
        return {};
    QImage picture = glyphs.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        throw NoMemoryForPhrase(glyphs.size());
    picture.setDevicePixelRatio(1.0);
    if (beneath.isNull() || beneath.size() != picture.size())
        return picture;
    const QImage under = beneath.format() == QImage::Format_RGB32 || beneath.format() == QImage::Format_ARGB32
                             ? beneath
                             : beneath.convertToFormat(QImage::Format_RGB32);
    const int a = std::clamp(contrast, 0, 255);
    const QRect bounds = picture.rect();
    ForEachShapeRow(shape, bounds, [&](int y, int left, int right) {
        const auto* src = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = left; x <= right; ++x) {
            const QRgb ink = dst[x];
            const QRgb p = src[x];
            dst[x] = qRgb(BlendChannel(qRed(ink), qRed(p), a), BlendChannel(qGreen(ink), qGreen(p), a),
                          BlendChannel(qBlue(ink), qBlue(p), a));
        }
    });
    return picture;
}

} // namespace ov
