#pragma once
#include "display/layout.h"
#include "display/windowsystem.h"

#include <QImage>
#include <QRegion>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// How the phrase reaches the screen, from the switch ORVELLA_PHRASE_SURFACE.
enum class SurfaceWish { Auto, XWindow, LayerShell };
// Unknown values give Auto and a note for the log.
SurfaceWish ParseSurfaceSwitch(std::string_view value, std::string* note);

// Whether a Wayland connection is worth trying: a compositor is named and
// the switch does not send the phrase to X.
bool TryLayerShell(SurfaceWish wish, std::string_view waylandDisplay);

// Where the next phrase goes.
enum class PhraseRoute {
    // An X window of per-pixel alpha that whatever composes the screen
    // blends with what is beneath.
    TranslucentWindow,
    // An opaque X window whose picture the program has already blended
    // with the screen beneath: nobody else would.
    BlendedWindow,
    // The toolkit's own window, cut by its mask, at its window opacity:
    // where no window system serves beyond the toolkit.
    PlainWindow,
    // A surface of the Wayland compositor's layer shell.
    LayerSurface,
    // Nowhere: the layer shell was asked for and cannot be had, and the
    // phrase does not quietly take the X window instead.
    Nowhere,
};

// The route, given the switch, whether the compositor's layer shell is at
// hand now (false also when there is no connection) and the window system.
// A compositing manager, or an X server that is itself a client of a
// Wayland compositor, composes per-pixel alpha; a plain X server does not.
// The window system is asked only when the phrase takes a window.
PhraseRoute ChoosePhraseRoute(SurfaceWish wish, bool layerShell, WindowSystem& windows);

// Xwayland announces itself by its own extension (newer servers) or by the
// names of its outputs (XWAYLAND0, XWAYLAND1, ...).
bool LooksLikeXwayland(bool hasXwaylandExtension, const std::vector<std::string>& outputNames);

// The monitor the next phrase goes to: the one holding the pointer where
// its position is known; else the first (primary) one, never a guess from a
// stale position (Xwayland sees the pointer only over its own windows).
// screens must not be empty.
size_t PhraseScreen(const std::vector<ScreenArea>& screens, const QPoint& pointer, bool pointerKnown);

// The picture of a translucent window or surface (premultiplied ARGB): the
// pixels of shape are those of picture at the given contrast (0 to 255,
// their alpha), the rest is fully transparent.
QImage TranslucentPicture(const QImage& picture, const QRegion& shape, int contrast);

} // namespace ov
