#pragma once

class MainWindow;
class PhraseWindow;
class NewListDialog;
class FontColorDialog;
class FontSizeDialog;
class FontNameDialog;
class DeleteListDialog;

// The program's windows, each created once at start-up and living until the
// process ends.
extern MainWindow* mainWindow;
extern PhraseWindow* phraseWindow;
extern NewListDialog* newListDialog;
extern FontColorDialog* fontColorDialog;
extern FontSizeDialog* fontSizeDialog;
extern FontNameDialog* fontNameDialog;
extern DeleteListDialog* deleteListDialog;

// Creates the windows in their documented order: the main window first (it
// is the application's main window), then the phrase window and the dialogs.
void CreateWindows();
// Destroys them in reverse order; safe to call when none exist.
void DestroyWindows();
