#include "display/overlay.h"

#include "display/blend.h"
#include "display/glyphmask.h"
#include "display/phraseroute.h"
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

void ShowOnOverlay(PhraseOverlay& overlay, const PhraseLayout& layout, const QFont& font, const QColor& colour,
                   int contrast, const OverlayWindow& where, std::function<void()> onScreen)
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
    QImage picture = TranslucentPicture(PhrasePicture(mask.image, mask.region, 255), mask.region, contrast);
    picture.setDevicePixelRatio(ratio);
    overlay.Show(picture, PlaceFromWindow(where.centred, where.screen, where.window), std::move(onScreen));
}

} // namespace ov
