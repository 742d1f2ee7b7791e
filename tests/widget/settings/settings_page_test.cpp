#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "settings/ovAutoRun.h"
#include "settings/ui/ovSpinEdit.h"
#include "settings_widget_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>
#include <sys/stat.h>

using ov::MsgKind;

TEST_F(SettingsPageTest, NoSettingsFileShowsTheDefaults)
{
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    const ov::DisplayFontSpec& font = frm.State.DisplayFont;
    EXPECT_EQ(font.Name + "/" + std::to_string(font.Color) + "/" + std::to_string(font.Size), "Arial/0/12");
    EXPECT_EQ(p.SpinEdit1->Value(), 25);
    EXPECT_EQ(p.SpinEdit2->Value(), 1);
    EXPECT_EQ(p.Lbl_Pcent->text(), "19%");
    EXPECT_TRUE(p.PositionRandom->isChecked());
    EXPECT_FALSE(p.Pause->isChecked() || p.AutoStart->isChecked());
    EXPECT_EQ(frm.Tmr_Display->Interval(), 1000);
    EXPECT_TRUE(frm.Tmr_Display->Enabled());
    EXPECT_FALSE(frm.State.SettingsDirty);
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(exe->SettingsFile()));
}

TEST_F(SettingsPageTest, EveryControlIsNamedForScreenReaders)
{
    exe->MakeCategory("Daily", {{"one", "x"}});
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    const std::vector<std::pair<QWidget*, const char*>> controls{
        {p.SpinEdit1, "Show message for"}, {p.SpinEdit2, "Show message every"}, {p.Trackbar1, "Contrast"},
        {p.AutoStart, "Start Orvella when I log in"}, {p.Pause, "Pause messages"},
        {p.PositionRandom, "Random - Full Screen"}, {p.PositionCentered, "Centered - Full Screen"},
        {p.BtnSize, "Font Size"}, {p.Btncolor, "Font Color"}, {p.BtnName, "Font Name"},
        {p.Button1, "Restore Defaults"}, {p.btn_SaveSettings, "Save"}, {p.Pnl_Font, "Font sample"}};
    for (const auto& [w, caption] : controls)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), caption);

    // A drop-down box is named by its label, not by the entry it shows, and
    // so is its list; the tab of the page shown reports itself selected.
    QComboBox* dirList = frm.MessagesPage->DirList;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dirList)->text(QAccessible::Name), "Subliminal Category");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dirList)->text(QAccessible::Value), "Daily");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dirList->view())->text(QAccessible::Name), "Subliminal Category");
    frm.Pages->setCurrentWidget(frm.Tab_Settings);
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(frm.Pages->tabBar());
    ASSERT_EQ(tabs->childCount(), frm.Pages->count());
    EXPECT_EQ(tabs->child(1)->text(QAccessible::Name), "Settings");
    EXPECT_TRUE(tabs->child(1)->state().selected);
    EXPECT_FALSE(tabs->child(0)->state().selected);
}

TEST_F(SettingsPageTest, StoredValuesOutOfRangeAreClampedAndSavedAsShown)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=5\nDisplayFreq=900\nOpacity=300\nPosition=-5\n"
                              "TextColor=0xFF000008\nPause=2\nFontName=\nSize=-4\n");
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    EXPECT_EQ(p.SpinEdit1->Value(), 10);
    EXPECT_EQ(frm.Tmr_Display->Interval(), 600000);
    EXPECT_EQ(p.Lbl_Pcent->text(), "100%");
    EXPECT_FALSE(p.PositionRandom->isChecked() || p.PositionCentered->isChecked());
    EXPECT_EQ(frm.State.DisplayFont.Name, "Arial"); // an empty name keeps the one it had
    EXPECT_GT(p.Pnl_Font->font().pointSize(), 0);   // the sample still draws at size -4
    // A desktop colour shows as the desktop's window text colour.
    EXPECT_EQ(p.Pnl_Font->palette().color(QPalette::WindowText).rgb(),
              frm.palette().color(QPalette::Active, QPalette::Text).rgb());
    // A stored pause holds the display at start-up.
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());

    p.btn_SaveSettingsClick();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Settings Saved Successfully"});
    EXPECT_EQ(Shown().back().kind, MsgKind::Information);
    EXPECT_EQ(Section("A-Settings"), "DisplayTime=10 DisplayFreq=600 Opacity=255 Position=-1 TextColor=-16777208 "
                                     "Pause=1 FontName=Arial Size=-4 ");
    EXPECT_EQ(Ini("General", "GroupIndex"), "0");
}

TEST_F(SettingsPageTest, GroupIndexPastTheEndLoadsTheFirstCategorysOwnSettings)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->MakeCategory("B", {{"two", "y"}});
    exe->Write("Orvella.ini", "[General]\nGroupIndex=9\n[A-Settings]\nDisplayTime=300\nPause=1\n");
    TMainFrm& frm = MakeMain();
    EXPECT_EQ(frm.DirListText(), "A");
    EXPECT_EQ(Page().SpinEdit1->Value(), 300);
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    frm.MessagesPage->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300"); // not the defaults over it
}

TEST_F(SettingsPageTest, ControlChangesMarkTheSettingsChanged)
{
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    p.SpinEdit2->setValue(7);
    EXPECT_EQ(frm.Tmr_Display->Interval(), 7000);
    EXPECT_TRUE(frm.State.SettingsDirty);
    frm.State.SettingsDirty = false;
    p.Trackbar1->setValue(128);
    EXPECT_EQ(p.Lbl_Pcent->text(), "50%");
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(p.AutoStart), static_cast<QAbstractButton*>(p.Pause),
                               static_cast<QAbstractButton*>(p.PositionCentered)}) {
        EXPECT_TRUE(frm.State.SettingsDirty);
        frm.State.SettingsDirty = false;
        b->click();
    }
    EXPECT_TRUE(frm.State.SettingsDirty);
}

TEST_F(SettingsPageTest, TypedTextReadsAsAWholeNumberWithinRange)
{
    MakeMain();
    ov::TSpinEdit* spin = Page().SpinEdit1;
    auto* edit = spin->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText("abc");
    EXPECT_EQ(spin->Value(), 10);
    spin->setValue(300);
    edit->setText("4");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin, &out);
    EXPECT_EQ(edit->text(), "10");
}

TEST_F(SettingsPageTest, SwitchingCategoryRewritesTheOldSectionUnchanged)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->MakeCategory("B", {{"two", "y"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=300\n");
    TMainFrm& frm = MakeMain();
    ASSERT_FALSE(Page().AutoStart->isChecked());
    // An entry made behind the page's back goes: the page says "off".
    exe->Write(ov::AutoRunEntryPath().substr(exe->Dir().size() + 1),
               ov::AutoRunEntryText(exe->Path("Orvella"), "orvella"));
    ASSERT_TRUE(ov::IsAutoRunSet({}));
    frm.MessagesPage->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300");
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "50");
    EXPECT_EQ(Ini("General", "GroupIndex"), "1");
    EXPECT_FALSE(std::filesystem::exists(ov::AutoRunEntryPath()));
    EXPECT_EQ(frm.State.CurrentGroup, "B");
    EXPECT_EQ(Page().SpinEdit1->Value(), 25);
    EXPECT_FALSE(frm.State.SettingsDirty);
}

TEST_F(SettingsPageTest, RestoreDefaultsThenSave)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nPause=1\nDisplayTime=300\nDisplayFreq=20\nOpacity=7\nPosition=1\n"
                              "FontName=Courier\nSize=30\nTextColor=255\n");
    TMainFrm& frm = MakeMain();
    frm.mnu_Pause->setChecked(false);
    frm.Tmr_Display->SetEnabled(true);
    Page().Button1Click();
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
    EXPECT_EQ(frm.Tmr_Display->Interval(), 1000);
    EXPECT_TRUE(frm.State.SettingsDirty);
    EXPECT_FALSE(ov::IsAutoRunSet({})); // nothing written before the save
    EXPECT_EQ(Ini("A-Settings", "Pause"), "1");

    Page().btn_SaveSettingsClick();
    EXPECT_EQ(Section("A-Settings"), "Pause=0 DisplayTime=25 DisplayFreq=1 Opacity=50 Position=0 FontName=Arial "
                                     "Size=12 TextColor=0 ");
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
}

TEST_F(SettingsPageTest, FailedSaveShowsTheReasonAndKeepsTheFlag)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=300\n");
    TMainFrm& frm = MakeMain();
    const std::string loaded = exe->Read("Orvella.ini");
    chmod(exe->SettingsFile().c_str(), 0444);
    Page().SpinEdit1->setValue(600);
    Page().btn_SaveSettingsClick();
    ASSERT_EQ(Shown().size(), 1u); // the reason, and no success message
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find(exe->SettingsFile()), std::string::npos);
    EXPECT_TRUE(frm.State.SettingsDirty);
    EXPECT_EQ(exe->Read("Orvella.ini"), loaded);
    EXPECT_FALSE(frm.SaveSettings("A"));
}

TEST_F(SettingsPageTest, LargeSettingsFileKeepsEverythingElse)
{
    exe->MakeCategory("A", {{"one", "x"}});
    std::string big = "[Padding]\n";
    const std::string line = "Key=" + std::string(100, 'v') + "\n";
    while (big.size() < 10u * 1024 * 1024) big += line;
    exe->Write("Orvella.ini", big + "[A-Settings]\nOpacity=200\n");
    TMainFrm& frm = MakeMain();
    EXPECT_EQ(Page().Trackbar1->value(), 200);
    ASSERT_TRUE(frm.SaveSettings("A"));
    EXPECT_EQ(exe->Read("Orvella.ini").compare(0, big.size(), big), 0);
    EXPECT_EQ(Ini("A-Settings", "Position"), "0");
}

TEST_F(SettingsPageTest, AutoStartEntriesOfOtherCopiesOrHiddenAreReplaced)
{
    exe->MakeCategory("A", {{"one", "x"}});
    const std::string entry = ov::AutoRunEntryPath().substr(exe->Dir().size() + 1);
    for (const std::string& text : {ov::AutoRunEntryText("/opt/elsewhere/Orvella", "orvella"),
                                    ov::AutoRunEntryText(exe->Path("Orvella"), "orvella") + "Hidden=true\n"}) {
        exe->Write(entry, text);
        if (!main) MakeMain();
        main->LoadSettings("A");
        EXPECT_FALSE(Page().AutoStart->isChecked());
        Page().AutoStart->setChecked(true);
        ASSERT_TRUE(main->SaveSettings("A"));
        EXPECT_TRUE(ov::IsAutoRunSet({}));
        EXPECT_EQ(exe->Read(entry).find("/opt/elsewhere"), std::string::npos);
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SettingsPageTest, AutoStartFolderThatIsAFileWarnsAndTheSaveGoesOn)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write(ov::AutoRunFolder().substr(exe->Dir().size() + 1), "not a folder");
    MakeMain();
    Page().AutoStart->setChecked(true);
    Page().SpinEdit1->setValue(200);
    Page().btn_SaveSettingsClick();
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_EQ(Shown()[0].text.rfind("Could not write the auto-start entry " + ov::AutoRunEntryPath() + ": ", 0), 0u);
    EXPECT_EQ(Shown()[1].text, "Settings Saved Successfully");
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "200");
}
