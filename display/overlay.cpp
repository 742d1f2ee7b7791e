#include "display/overlay.h"

#include "display/glyphmask.h"
#include "display/layout.h"
#include "platform/error.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

double Share(int offset, int room)
{
    if (room <= 0)
        return 0.0;
    return std::clamp(static_cast<double>(offset) / room, 0.0, 1.0);
}

int Margin(double share, int area, int surface)
{
    const int room = area - surface;
    if (room <= 0)
        return 0;
    return std::clamp(static_cast<int>(std::lround(share * room)), 0, room);
}

} // namespace

OverlayPlace PlaceFromWindow(bool centred, const QRect& screen, const QRect& window)
{
    OverlayPlace place;
    place.centred = centred;
    place.across = Share(window.left() - screen.left(), screen.width() - window.width());
    place.down = Share(window.top() - screen.top(), screen.height() - window.height());
    return place;
}

QPoint OverlayMargins(const OverlayPlace& place, const QSize& area, const QSize& surface)
{
    return {Margin(place.across, area.width(), surface.width()), Margin(place.down, area.height(), surface.height())};
}

QImage OverlayPicture(const QImage& picture, const QRegion& shape, int opacity)
{
    if (picture.isNull())
        return {};
    QImage out(picture.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        throw OvError("There is not enough memory to draw the phrase (" + std::to_string(picture.width()) +
                      " x " + std::to_string(picture.height()) + " pixels).");
    out.fill(Qt::transparent);
    out.setDevicePixelRatio(picture.devicePixelRatio());
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const uint a = static_cast<uint>(std::clamp(opacity, 0, 255));
    const auto scale = [a](uint channel) { return (channel * a + 127) / 255; };
    const QRect bounds = out.rect();
    for (const QRect& rect : shape) {
        const QRect run = rect.intersected(bounds);
        for (int y = run.top(); y <= run.bottom(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = run.left(); x <= run.right(); ++x) {
                const QRgb p = src[x];
                dst[x] = qRgba(scale(qRed(p)), scale(qGreen(p)), scale(qBlue(p)), scale(qAlpha(p)));
            }
        }
    }
    return out;
}

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

PhraseRoute ChooseRoute(SurfaceWish wish, bool layerShell)
{
    if (wish == SurfaceWish::XWindow)
        return PhraseRoute::XWindow;
    if (layerShell)
        return PhraseRoute::LayerShell;
    return wish == SurfaceWish::LayerShell ? PhraseRoute::Nowhere : PhraseRoute::XWindow;
}

void ShowOnOverlay(PhraseOverlay& overlay, const PhraseLayout& layout, const QFont& font, const QColor& colour,
                   int opacity, const OverlayWindow& where, std::function<void()> onScreen)
{
    const qreal ratio = where.ratio * std::max(1, overlay.Scale());
    const PhraseMask mask = BuildPhraseMask(layout, font, colour, ratio);
    if (mask.region.isEmpty()) {
        // Nothing to see: the time on screen starts (and ends) now.
        overlay.Hide();
        if (onScreen)
            onScreen();
        return;
    }
    QImage picture = OverlayPicture(mask.image, mask.region, opacity);
    picture.setDevicePixelRatio(ratio);
    overlay.Show(picture, PlaceFromWindow(where.centred, where.screen, where.window), std::move(onScreen));
}

} // namespace ov
