#include "branding/ui/ovProductPages.h"
#include "app/ui/ovMain.h"

TProductPages::TProductPages(TMainFrm& frm) : QObject(&frm), frm_(frm) {}
void TProductPages::ApplyBranding() {}
