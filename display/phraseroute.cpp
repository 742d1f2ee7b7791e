#include "display/phraseroute.h"

#include "display/blend.h"
#include "platform/error.h"

#include <algorithm>

namespace ov {

SurfaceWish ParseSurfaceSwitch(std::string_view value, std::string* note)
{
    if (value.empty() || value == "auto")
        return SurfaceWish::Auto;
    if (value == "x11")
        return SurfaceWish::XWindow;
    if (value == "layer-shell")
        return SurfaceWish::LayerShell;
    if (note)
        *note = "ORVELLA_PHRASE_SURFACE=" + std::string(value) +
                " is not known (x11, layer-shell or auto); the phrase surface is chosen as for auto.";
    return SurfaceWish::Auto;
}

bool TryLayerShell(SurfaceWish wish, std::string_view waylandDisplay)
{
    return wish != SurfaceWish::XWindow && !waylandDisplay.empty();
}

PhraseRoute ChoosePhraseRoute(SurfaceWish wish, bool layerShell, WindowSystem& windows)
{
    if (wish != SurfaceWish::XWindow) {
        if (layerShell)
            return PhraseRoute::LayerSurface;
        if (wish == SurfaceWish::LayerShell)
            return PhraseRoute::Nowhere;
    }
    if (!windows.Available())
        return PhraseRoute::PlainWindow;
    return windows.Compositing() || windows.Xwayland() ? PhraseRoute::TranslucentWindow
                                                       : PhraseRoute::BlendedWindow;
}

bool LooksLikeXwayland(bool hasXwaylandExtension, const std::vector<std::string>& outputNames)
{
    if (hasXwaylandExtension)
        return true;
    return std::any_of(outputNames.begin(), outputNames.end(),
                       [](const std::string& name) { return name.rfind("XWAYLAND", 0) == 0; });
}

size_t PhraseScreen(const std::vector<ScreenArea>& screens, const QPoint& pointer, bool pointerKnown)
{
    return ScreenForPointer(screens, pointerKnown ? &pointer : nullptr);
}

QImage TranslucentPicture(const QImage& picture, const QRegion& shape, int contrast)
{
    if (picture.isNull())
        return {};
    const QImage source = picture.format() == QImage::Format_ARGB32_Premultiplied
                              ? picture
                              : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull() || source.isNull())
        throw NoMemoryForPhrase(picture.size());
    out.setDevicePixelRatio(picture.devicePixelRatio());
    out.fill(Qt::transparent);
    const int a = std::clamp(contrast, 0, 255);
    // Premultiplied, so every channel scales alike, rounded to the nearest.
    const auto scale = [a](unsigned v) { return (v * unsigned(a) + 127) / 255; };
    const QRect bounds = source.rect();
    ForEachShapeRow(shape, bounds, [&](int y, int left, int right) {
        const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = left; x <= right; ++x) {
            const QRgb p = src[x];
            dst[x] = qRgba(int(scale(qRed(p))), int(scale(qGreen(p))), int(scale(qBlue(p))), int(scale(qAlpha(p))));
        }
    });
    return out;
}

} // namespace ov
