#include "settings/ui/ovSettingsPage.h"
#include "app/ui/ovMain.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "settings/ovIniFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

TSettingsPage::TSettingsPage(TMainFrm& frm) : QObject(&frm), frm_(frm)
{
    QWidget* page = frm.Tab_Settings;
    Pause = new QCheckBox(QStringLiteral("Pause messages"), page);
    Pause->setObjectName(QStringLiteral("Pause"));
    Pause->setGeometry(333 + 12, 8 + 54, 123, 17);
}

void TSettingsPage::RestoreStartupGroup()
{
    frm_.MessagesPage->LoadCategories(false);
    const ov::IniFile ini(ov::SettingsFilePath());
    const int index = ini.ReadInteger("General", "GroupIndex", 0);
    QComboBox* dirList = frm_.MessagesPage->DirList;
    {
        const QSignalBlocker block(dirList);
        dirList->setCurrentIndex(index >= 0 && index < dirList->count() ? index : -1);
    }
    Pause->setChecked(ini.ReadBool(frm_.DirListText() + "-Settings", "Pause", false));
    frm_.mnu_Pause->setChecked(Pause->isChecked());
    frm_.Tmr_Display->SetEnabled(!Pause->isChecked());
}

void TSettingsPage::LoadSettings(const std::string&)
{
    frm_.State.SettingsDirty = false;
}

bool TSettingsPage::SaveSettings(const std::string&)
{
    frm_.State.SettingsDirty = false;
    frm_.State.CurrentGroup = frm_.DirListText();
    return true;
}
