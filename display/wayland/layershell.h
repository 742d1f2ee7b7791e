#pragma once
#include "display/overlay.h"
#include "display/phraseroute.h"

#include <memory>

namespace ov {

// The switch ORVELLA_PHRASE_SURFACE (an unknown value is logged); the X
// window where the program is built without Wayland.
SurfaceWish PlatformSurfaceWish();

// The phrase's overlay on the Wayland compositor named by WAYLAND_DISPLAY, on
// the program's own connection, made at its first Open (where the compositor
// offers a layer shell); null where the wish sends every phrase to X.
std::unique_ptr<PhraseOverlay> PlatformOverlay(SurfaceWish wish);

} // namespace ov
