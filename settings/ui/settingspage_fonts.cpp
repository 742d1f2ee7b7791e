// The "Font" group's buttons: each opens its dialog on the current display
// font and takes the edited property on "Ok".
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "settings/ui/fontdialogs.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"

void SettingsPage::onFontSize()
{
    if (!fontSizeDialog) return;
    ov::DisplayFontSpec& font = window_.state_.DisplayFont;
    fontSizeDialog->sizeSpin_->setValue(font.Size);
    if (!fontSizeDialog->Execute(&window_)) return;
    font.Size = fontSizeDialog->sizeSpin_->Value();
    UpdateFontSample();
    window_.state_.SettingsDirty = true;
}

void SettingsPage::onFontColor()
{
    if (!fontColorDialog) return;
    ov::DisplayFontSpec& font = window_.state_.DisplayFont;
    fontColorDialog->colorCombo_->SelectColor(font.Color);
    if (!fontColorDialog->Execute(&window_)) return;
    // With nothing chosen (a colour the list does not hold) the colour stays.
    if (const int index = fontColorDialog->colorCombo_->currentIndex(); index >= 0)
        font.Color = fontColorDialog->colorCombo_->ColorAt(index);
    UpdateFontSample();
    window_.state_.SettingsDirty = true;
}

void SettingsPage::onFontName()
{
    if (!fontNameDialog) return;
    ov::DisplayFontSpec& font = window_.state_.DisplayFont;
    fontNameDialog->SelectFont(font.Name);
    if (!fontNameDialog->Execute(&window_)) return;
    font.SetName(fontNameDialog->SelectedFont()); // nothing chosen keeps the name
    UpdateFontSample();
    window_.state_.SettingsDirty = true;
}
