// The "Font" group's buttons: each opens its dialog on the shown font and
// takes the edited property on "Ok".
#include "settings/ui/fontdialogs.h"
#include "settings/ui/settingspage.h"

void SettingsPage::onFontSize()
{
    if (!fontSizeDialog_) return;
    fontSizeDialog_->SetSize(shown_.FontSize);
    if (!fontSizeDialog_->Execute(window())) return;
    shown_.FontSize = fontSizeDialog_->Size();
    UpdateFontSample();
    MarkChanged();
}

void SettingsPage::onFontColor()
{
    if (!fontColorDialog_) return;
    fontColorDialog_->SelectColor(shown_.FontColor);
    if (!fontColorDialog_->Execute(window())) return;
    // With nothing chosen (a colour the list does not hold) the colour stays.
    if (const std::optional<int32_t> colour = fontColorDialog_->ChosenColor()) shown_.FontColor = *colour;
    UpdateFontSample();
    MarkChanged();
}

void SettingsPage::onFontName()
{
    if (!fontNameDialog_) return;
    fontNameDialog_->SelectFont(shown_.FontName);
    if (!fontNameDialog_->Execute(window())) return;
    ov::SetText(shown_.FontName, fontNameDialog_->SelectedFont()); // nothing chosen keeps the name
    UpdateFontSample();
    MarkChanged();
}
