// The "Font" group's buttons: each opens its dialog on the current display
// font and takes the edited property on "Ok".
#include "app/sharedstate.h"
#include "settings/ui/fontdialogs.h"
#include "settings/ui/settingspage.h"

void SettingsPage::onFontSize()
{
    if (!fontSizeDialog_) return;
    ov::DisplayFontSpec& font = state_.DisplayFont;
    fontSizeDialog_->SetSize(font.Size);
    if (!fontSizeDialog_->Execute(window())) return;
    font.Size = fontSizeDialog_->Size();
    UpdateFontSample();
    state_.SettingsDirty = true;
}

void SettingsPage::onFontColor()
{
    if (!fontColorDialog_) return;
    ov::DisplayFontSpec& font = state_.DisplayFont;
    fontColorDialog_->SelectColor(font.Color);
    if (!fontColorDialog_->Execute(window())) return;
    // With nothing chosen (a colour the list does not hold) the colour stays.
    if (const std::optional<int32_t> colour = fontColorDialog_->ChosenColor()) font.Color = *colour;
    UpdateFontSample();
    state_.SettingsDirty = true;
}

void SettingsPage::onFontName()
{
    if (!fontNameDialog_) return;
    ov::DisplayFontSpec& font = state_.DisplayFont;
    fontNameDialog_->SelectFont(font.Name);
    if (!fontNameDialog_->Execute(window())) return;
    font.SetName(fontNameDialog_->SelectedFont()); // nothing chosen keeps the name
    UpdateFontSample();
    state_.SettingsDirty = true;
}
