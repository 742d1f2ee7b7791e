#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "display/ui/phrasewindow.h"
#include "library/ui/listdialogs.h"
#include "settings/ui/fontdialogs.h"

MainWindow* mainWindow = nullptr;
PhraseWindow* phraseWindow = nullptr;
NewListDialog* newListDialog = nullptr;
FontColorDialog* fontColorDialog = nullptr;
FontSizeDialog* fontSizeDialog = nullptr;
FontNameDialog* fontNameDialog = nullptr;
DeleteListDialog* deleteListDialog = nullptr;

void CreateWindows()
{
    mainWindow = new MainWindow;
    phraseWindow = new PhraseWindow;
    newListDialog = new NewListDialog;
    fontColorDialog = new FontColorDialog;
    fontSizeDialog = new FontSizeDialog;
    fontNameDialog = new FontNameDialog;
    deleteListDialog = new DeleteListDialog;
    mainWindow->UseWindows(phraseWindow, newListDialog, deleteListDialog, fontSizeDialog, fontColorDialog,
                           fontNameDialog);
}

template <typename T>
static void Destroy(T*& window)
{
    delete window;
    window = nullptr;
}

void DestroyWindows()
{
    Destroy(deleteListDialog);
    Destroy(fontNameDialog);
    Destroy(fontSizeDialog);
    Destroy(fontColorDialog);
    Destroy(newListDialog);
    Destroy(phraseWindow);
    Destroy(mainWindow);
}
