#pragma once
#include "settings/categorysettings.h"

namespace ov {

// What the Settings page shows, read by the display cycle and the preview.
struct SharedState {
    DisplayFontSpec DisplayFont;
    DisplaySettings Display; // kept equal to what the Settings page shows
    bool SettingsDirty = false;
};

} // namespace ov
