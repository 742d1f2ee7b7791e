#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <functional>
#include <string>
#include <string_view>

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

// How the phrase reaches the screen, from the switch ORVELLA_PHRASE_SURFACE.
enum class SurfaceWish { Auto, XWindow, LayerShell };
// Unknown values give Auto and a note for the log.
SurfaceWish ParseSurfaceSwitch(std::string_view value, std::string* note);

// Whether a Wayland connection is worth trying: a compositor is named and
// the switch does not send the phrase to X.
bool TryLayerShell(SurfaceWish wish, std::string_view waylandDisplay);

// What shows the phrase, given whether the compositor offers a layer shell
// (false also when there is no connection). A layer shell that was asked
// for and cannot be had shows nothing rather than quietly taking X.
enum class PhraseSurface { XWindow, LayerShell, Nowhere };
PhraseSurface ChooseSurface(SurfaceWish wish, bool layerShell);

// A surface apart from the phrase window that the compositor shows the
// phrase on.
class PhraseOverlay {
public:
    virtual ~PhraseOverlay() = default;
    // False once phrases go to the X window instead (the connection to the
    // compositor was lost).
    virtual bool Usable() const = 0;
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

// Draws the laid-out phrase as the X window would and shows it on overlay.
// The window's geometries place it; ratio is its device pixel ratio.
struct OverlayWindow {
    qreal ratio = 1.0;
    QRect screen;
    QRect window;
    bool centred = false;
};
void ShowOnOverlay(PhraseOverlay& overlay, const PhraseLayout& layout, const QFont& font, const QColor& colour,
                   int opacity, const OverlayWindow& where, std::function<void()> onScreen);

} // namespace ov
