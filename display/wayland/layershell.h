#pragma once
#include "display/overlay.h"

#include <memory>

namespace ov {

// The phrase's overlay on the Wayland compositor named by WAYLAND_DISPLAY, on
// the program's own connection, where ORVELLA_PHRASE_SURFACE allows it and
// the compositor offers a layer shell; null where phrases take the X window.
std::unique_ptr<PhraseOverlay> PlatformOverlay();

} // namespace ov
