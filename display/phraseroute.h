#pragma once
#include "display/layout.h"

#include <QImage>
#include <QRegion>
#include <string>
#include <vector>

namespace ov {

// How the phrase window gets its translucency.
enum class PhraseRoute {
    // A window of per-pixel alpha that whatever composes the screen blends
    // with what is beneath.
    Translucent,
    // An opaque window whose picture the program has already blended with
    // the screen beneath: nobody else would.
    Blended,
};

// A compositing manager, or an X server that is itself a client of a
// Wayland compositor, composes per-pixel alpha; a plain X server does not.
PhraseRoute ChoosePhraseRoute(bool compositingManager, bool xwayland);

// Xwayland announces itself by its own extension (newer servers) or by the
// names of its outputs (XWAYLAND0, XWAYLAND1, ...).
bool LooksLikeXwayland(bool hasXwaylandExtension, const std::vector<std::string>& outputNames);

// The monitor the next phrase goes to: the one holding the pointer where
// its position is known; else the first (primary) one, never a guess from a
// stale position (Xwayland sees the pointer only over its own windows).
// screens must not be empty.
size_t PhraseScreen(const std::vector<ScreenArea>& screens, const QPoint& pointer, bool pointerKnown);

// The picture of a translucent window (premultiplied ARGB): the pixels of
// shape are those of picture at the given opacity (0 to 255), the rest is
// fully transparent.
QImage TranslucentPicture(const QImage& picture, const QRegion& shape, int opacity);

} // namespace ov
