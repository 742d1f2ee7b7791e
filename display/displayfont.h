#pragma once
#include "settings/categorysettings.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace ov {

// The font the phrases are measured and drawn in: the family by name (the
// font configuration substitutes a missing one), regular style. A size in
// points above 0; a negative size counts pixels; 0 keeps the default size.
QFont DisplayQFont(const CategorySettings& settings);

// The colour of the phrases; a desktop colour is taken from the palette.
QColor DisplayQColor(const CategorySettings& settings, const QPalette& palette);

} // namespace ov
