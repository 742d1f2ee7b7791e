#pragma once
#include "display/windowsystem.h"

#include <memory>

namespace ov {

// The window system of the running platform: the X11 services on the xcb
// platform, elsewhere one that does nothing (the toolkit alone does the job).
// Never null.
std::unique_ptr<WindowSystem> PlatformWindowSystem();

} // namespace ov
