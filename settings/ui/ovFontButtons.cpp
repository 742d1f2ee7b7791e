// The "Font" group's buttons: each opens its dialog on the current display
// font and takes the edited property on "Ok".
#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "settings/ui/ovFontDialogs.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"

void TSettingsPage::BtnSizeClick()
{
    if (!Sizefrm) return;
    ov::DisplayFontSpec& font = frm_.State.DisplayFont;
    Sizefrm->SpinEdit1->setValue(font.Size);
    if (!Sizefrm->Execute(&frm_)) return;
    font.Size = Sizefrm->SpinEdit1->Value();
    UpdateFontSample();
    frm_.State.SettingsDirty = true;
}

void TSettingsPage::BtncolorClick()
{
    if (!ColorFrm) return;
    ov::DisplayFontSpec& font = frm_.State.DisplayFont;
    ColorFrm->ColorBox1->SelectColor(font.Color);
    if (!ColorFrm->Execute(&frm_)) return;
    // With nothing chosen (a colour the list does not hold) the colour stays.
    if (const int index = ColorFrm->ColorBox1->currentIndex(); index >= 0)
        font.Color = ColorFrm->ColorBox1->ColorAt(index);
    UpdateFontSample();
    frm_.State.SettingsDirty = true;
}

void TSettingsPage::BtnNameClick()
{
    if (!NameFrm) return;
    ov::DisplayFontSpec& font = frm_.State.DisplayFont;
    NameFrm->SelectFont(font.Name);
    if (!NameFrm->Execute(&frm_)) return;
    font.SetName(NameFrm->SelectedFont()); // nothing chosen keeps the name
    UpdateFontSample();
    frm_.State.SettingsDirty = true;
}
