#pragma once

namespace ov {

// Puts the program's own accessible views of drop-down boxes and tab bars in
// front of Qt's: a drop-down box is named by its accessible name or buddy
// label (Qt names it by its current entry on this desktop), and the chosen
// tab reports itself selected. Safe to call more than once; call it after the
// application object exists and before the first such widget is made.
void InstallAccessibility();

} // namespace ov
