#pragma once
#include <QFont>

namespace ov {

// The font of the main window's pages: Tahoma 8 points where installed, else
// the desktop's sans-serif at 8 points.
QFont PageFont();

} // namespace ov
