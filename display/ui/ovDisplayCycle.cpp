#include "display/ui/ovDisplayCycle.h"
#include "app/ui/ovMain.h"

TDisplayCycle::TDisplayCycle(TMainFrm& frm) : QObject(&frm), frm_(frm) {}

void TDisplayCycle::Tmr_DisplayTimer() {}
void TDisplayCycle::Timer1Timer() {}
void TDisplayCycle::mnu_PauseClick() {}
