#pragma once
#include "display/windowsystem.h"

#include <memory>

namespace ov {

// The window system of the running platform: the X11 services on the xcb
// platform, null where Qt alone does the job (offscreen, other platforms).
std::unique_ptr<WindowSystem> PlatformWindowSystem();

} // namespace ov
