#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "display/ui/ovMsgFrm.h"
#include "library/ui/ovPhraseDialogs.h"
#include "settings/ui/ovFontDialogs.h"

TMainFrm* MainFrm = nullptr;
TMsgFrm* MsgFrm = nullptr;
TPhraseEditFrm* PhraseEditFrm = nullptr;
TColorFrm* ColorFrm = nullptr;
TSizefrm* Sizefrm = nullptr;
TNameFrm* NameFrm = nullptr;
TDelFrm* DelFrm = nullptr;

void CreateForms()
{
    MainFrm = new TMainFrm;
    MsgFrm = new TMsgFrm;
    PhraseEditFrm = new TPhraseEditFrm;
    ColorFrm = new TColorFrm;
    Sizefrm = new TSizefrm;
    NameFrm = new TNameFrm;
    DelFrm = new TDelFrm;
}

template <typename T>
static void Destroy(T*& form)
{
    delete form;
    form = nullptr;
}

void DestroyForms()
{
    Destroy(DelFrm);
    Destroy(NameFrm);
    Destroy(Sizefrm);
    Destroy(ColorFrm);
    Destroy(PhraseEditFrm);
    Destroy(MsgFrm);
    Destroy(MainFrm);
}
