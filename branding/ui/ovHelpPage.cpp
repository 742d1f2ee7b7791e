#include "branding/ui/ovHelpPage.h"
#include "app/ui/ovMain.h"

THelpPage::THelpPage(TMainFrm& frm) : QObject(&frm), frm_(frm) {}
void THelpPage::LoadHelpFile() {}
