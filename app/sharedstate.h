#pragma once
#include "library/phrasepool.h"

#include <cstdint>
#include <string>

namespace ov {

// The font of the flashed phrases: regular style always.
struct DisplayFontSpec {
    std::string Name = "Arial"; // a family name, kept whole
    int32_t Size = 12;          // points
    int32_t Color = 0;          // 00BBGGRR, or FF0000nn for a desktop colour

    // An empty name keeps the old one. Family names are not cut: long ones
    // are common here, and a cut one names no font (or splits a character).
    void SetName(const std::string& name)
    {
        if (!name.empty()) Name = name;
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
