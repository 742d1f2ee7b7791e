#pragma once

class TMainFrm;
class TMsgFrm;
class TPhraseEditFrm;
class TColorFrm;
class TSizefrm;
class TNameFrm;
class TDelFrm;

// The program's windows, each created once at start-up and living until the
// process ends.
extern TMainFrm* MainFrm;
extern TMsgFrm* MsgFrm;
extern TPhraseEditFrm* PhraseEditFrm;
extern TColorFrm* ColorFrm;
extern TSizefrm* Sizefrm;
extern TNameFrm* NameFrm;
extern TDelFrm* DelFrm;

// Creates the windows in their documented order: the main window first (it
// is the application's main form), then the phrase window and the dialogs.
void CreateForms();
// Destroys them in reverse order; safe to call when none exist.
void DestroyForms();
