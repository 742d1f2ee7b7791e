#include "app/ui/ovMain.h"

#include <QCloseEvent>

// The tray icon, the close query and the session end arrive with the shell.
void TMainFrm::BuildShell() {}

void TMainFrm::FormCloseQuery(bool& CanClose) { CanClose = State.ExitRequested; }
void TMainFrm::ReturnToTray() {}
void TMainFrm::FormDestroy() {}
void TMainFrm::HookForm() {}
void TMainFrm::UnhookForm() {}

void TMainFrm::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}
