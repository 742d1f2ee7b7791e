#pragma once
#include "library/ovPhrasePool.h"

#include <cstdint>
#include <string>

namespace ov {

// The font of the flashed phrases: regular style always.
struct DisplayFontSpec {
    std::string Name = "Arial"; // at most 31 characters
    int32_t Size = 12;          // points
    int32_t Color = 0;          // 00BBGGRR, or FF0000nn for a desktop colour

    // An empty name keeps the old one; longer names are cut to 31 characters.
    void SetName(const std::string& name)
    {
        if (!name.empty()) Name = name.substr(0, 31);
    }
};

// Process-wide state shared by the pages of the main window and the display
// cycle. One place, owned by the main window.
struct SharedState {
    PhrasePool Pool;          // PhrasePool
    int32_t PhraseCursor = 0; // index of the phrase last shown; -1 after a rebuild
    DisplayFontSpec DisplayFont;
    std::string CurrentGroup;
    bool MessagesDirty = false;
    bool SettingsDirty = false;
    bool ExitRequested = false;
};

} // namespace ov
