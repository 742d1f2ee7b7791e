#pragma once
#include "display/windowsystem.h"

#include <memory>

struct xcb_connection_t;

namespace ov {

// The X11 services on the toolkit's own connection to the X server.
std::unique_ptr<WindowSystem> X11WindowSystemOn(xcb_connection_t* connection);

} // namespace ov
