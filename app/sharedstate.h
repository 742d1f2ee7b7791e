#pragma once
#include "library/phrasepool.h"
#include "settings/categorysettings.h"

#include <cstdint>
#include <string>

namespace ov {

// Process-wide state shared by the pages of the main window and the display
// cycle. One place, owned by the main window.
struct SharedState {
    PhrasePool Pool;          // PhrasePool
    int32_t PhraseCursor = 0; // index of the phrase last shown; -1 after a rebuild
    std::string CurrentGroup;
    bool MessagesDirty = false;
    bool ExitRequested = false;
    bool Paused = false; // the tray menu's "Pause Messages" is checked
};

} // namespace ov
