#include "display/ovBlend.h"

#include "platform/ovError.h"

#include <algorithm>

namespace ov {

QImage PhrasePicture(const QSize& size, const QRegion& shape, const QColor& ink, int opacity, const QImage& beneath)
{
    if (size.isEmpty())
        return {};
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull())
        throw OvError("There is not enough memory to draw the phrase (" + std::to_string(size.width()) + " x " +
                      std::to_string(size.height()) + " pixels).");
    const QRgb plain = ink.rgb() | 0xFF000000u;
    picture.fill(plain);
    if (beneath.isNull() || beneath.size() != size)
        return picture;

    const QImage under = beneath.format() == QImage::Format_RGB32 || beneath.format() == QImage::Format_ARGB32
                             ? beneath
                             : beneath.convertToFormat(QImage::Format_RGB32);
    const int a = std::clamp(opacity, 0, 255);
    const int r = ink.red(), g = ink.green(), b = ink.blue();
    const QRect bounds(QPoint(0, 0), size);
    // Only the glyph pixels are seen, so only they are blended.
    for (const QRect& rect : shape) {
        const QRect run = rect.intersected(bounds);
        for (int y = run.top(); y <= run.bottom(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(under.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = run.left(); x <= run.right(); ++x) {
                const QRgb p = src[x];
                dst[x] = qRgb(BlendChannel(r, qRed(p), a), BlendChannel(g, qGreen(p), a),
                              BlendChannel(b, qBlue(p), a));
            }
        }
    }
    return picture;
}

} // namespace ov
