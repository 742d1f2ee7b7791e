#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <functional>

namespace ov {

struct PhraseLayout;

// Where the compositor should put an overlay surface. Centred leaves it to
// the compositor; otherwise the phrase keeps the place it has on its X
// screen, as a share (0 to 1) of the room left beside and below it.
struct OverlayPlace {
    bool centred = false;
    double across = 0.0;
    double down = 0.0;
};

// The place of a phrase window of the given geometry on screen.
OverlayPlace PlaceFromWindow(bool centred, const QRect& screen, const QRect& window);

// Margins from the top-left corner of the area the compositor offers (its
// output less the panels) that put a surface of the given size at place,
// inside the area. A surface larger than the area starts at its edge.
QPoint OverlayMargins(const OverlayPlace& place, const QSize& area, const QSize& surface);

// A surface apart from the phrase window that the compositor shows the
// phrase on.
class PhraseOverlay {
public:
    virtual ~PhraseOverlay() = default;
    // True while the compositor's connection is up and phrases can go to it.
    virtual bool Usable() const = 0;
    // Connects to the compositor the first time it is asked, once (a
    // failed attempt is not made again); then as Usable.
    virtual bool Open() { return Usable(); }
    // How many of its pixels the compositor shows per pixel of the X
    // screen (the largest output scale): the picture is drawn that much
    // finer, so letters stay sharp on a scaled output.
    virtual int Scale() const { return 1; }
    // Shows picture, drawn at Scale() times the X screen's resolution, at
    // place.
    // onScreen is called once, when the compositor reports the picture on
    // the screen, or at once when it cannot be shown; a later Show or Hide
    // drops an uncalled one.
    virtual void Show(const QImage& picture, const OverlayPlace& place, std::function<void()> onScreen) = 0;
    // Takes the phrase off the screen.
    virtual void Hide() = 0;
};

// Draws the laid-out phrase as the X window would, the glyphs at the
// contrast's alpha, and shows it on overlay.
// The window's geometries place it; ratio is its device pixel ratio.
struct OverlayWindow {
    qreal ratio = 1.0;
    QRect screen;
    QRect window;
    bool centred = false;
};
void ShowOnOverlay(PhraseOverlay& overlay, const PhraseLayout& layout, const QFont& font, const QColor& colour,
                   int contrast, const OverlayWindow& where, std::function<void()> onScreen);

} // namespace ov
