#include "app/ui/ovMain.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "settings/ovAutoRun.h"
#include "settings/ovIniFile.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"
#include "settings_widget_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <filesystem>
#include <sys/stat.h>

using ov::MsgKind;

TEST_F(SettingsPageTest, NoSettingsFileShowsTheDefaults)
{
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    EXPECT_EQ(frm.State.DisplayFont.Name, "Arial");
    EXPECT_EQ(frm.State.DisplayFont.Color, 0);
    EXPECT_EQ(frm.State.DisplayFont.Size, 12);
    EXPECT_EQ(p.SpinEdit1->Value(), 25);
    EXPECT_EQ(p.SpinEdit2->Value(), 1);
    EXPECT_EQ(p.Trackbar1->value(), 50);
    EXPECT_EQ(p.Lbl_Pcent->text(), "19%");
    EXPECT_EQ(p.PositionIndex(), 0);
    EXPECT_TRUE(p.PositionRandom->isChecked());
    EXPECT_FALSE(p.Pause->isChecked());
    EXPECT_FALSE(p.AutoStart->isChecked());
    EXPECT_EQ(frm.Tmr_Display->Interval(), 1000);
    EXPECT_TRUE(frm.Tmr_Display->Enabled());
    EXPECT_FALSE(frm.State.SettingsDirty);
    EXPECT_EQ(p.Pnl_Font->text(), "AaBbYyZz");
    EXPECT_EQ(p.Pnl_Font->font().pointSize(), 12);
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(exe->SettingsFile()));
}

TEST_F(SettingsPageTest, PlacesCaptionsRangesAndFonts)
{
    MakeMain();
    TSettingsPage& p = Page();
    EXPECT_EQ(p.Grp_Test->geometry(), QRect(83, 300, 459, 53));
    EXPECT_EQ(p.Grp_Test->title(), "Test");
    EXPECT_EQ(p.logo2_1->geometry(), QRect(4, 12, 64, 246));
    EXPECT_EQ(p.SpinEdit1->geometry(), QRect(114, 19, 57, 22));
    EXPECT_EQ(p.SpinEdit1->parentWidget(), p.Grp_Time);
    EXPECT_EQ(p.Pnl_Font->geometry(), QRect(114, 10, 343, 69));
    EXPECT_EQ(p.btn_SaveSettings->geometry(), QRect(564, 362, 57, 23));
    EXPECT_EQ(p.SpinEdit1->singleStep(), 10);
    EXPECT_EQ(p.SpinEdit2->maximum(), 600);
    EXPECT_EQ(p.Trackbar1->pageStep(), 1);
    EXPECT_EQ(p.Trackbar1->tickInterval(), 10);
    EXPECT_EQ(p.SpinEdit1->toolTip(), "Length of time a phrase is shown");
    EXPECT_EQ(p.Trackbar1->toolTip(), "Transparency of shown phrase");
    EXPECT_TRUE(p.Grp_Time->font().bold());
    EXPECT_TRUE(p.Position->font().bold());
    EXPECT_TRUE(p.PositionCentered->font().bold());
    EXPECT_FALSE(p.AutoStart->font().bold());
    EXPECT_FALSE(p.Label1->font().bold());
    EXPECT_FALSE(p.BtnSize->font().bold());
}

TEST_F(SettingsPageTest, EveryControlIsNamedForScreenReaders)
{
    MakeMain();
    TSettingsPage& p = Page();
    auto name = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString("<none>");
    };
    EXPECT_EQ(name(p.SpinEdit1), "Show message for");
    EXPECT_EQ(name(p.SpinEdit2), "Show message every");
    EXPECT_EQ(name(p.Trackbar1), "Contrast");
    EXPECT_EQ(name(p.AutoStart), "Load program when Windows starts");
    EXPECT_EQ(name(p.Pause), "Pause messages");
    EXPECT_EQ(name(p.PositionRandom), "Random - Full Screen");
    EXPECT_EQ(name(p.PositionCentered), "Centered - Full Screen");
    EXPECT_EQ(name(p.BtnSize), "Font Size");
    EXPECT_EQ(name(p.Btncolor), "Font Color");
    EXPECT_EQ(name(p.BtnName), "Font Name");
    EXPECT_EQ(name(p.Button1), "Restore Defaults");
    EXPECT_EQ(name(p.btn_SaveSettings), "Save");
    EXPECT_EQ(name(p.Pnl_Font), "Font sample");
}

TEST_F(SettingsPageTest, BadStoredValuesAreBroughtIntoRangeAndSavedInDecimal)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n[A-Settings]\nDisplayTime=5\nDisplayFreq=900\nOpacity=300\n"
                              "Position=-5\nTextColor=$FF\nPause=2\nFontName=\nSize=0\n");
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    EXPECT_EQ(p.SpinEdit1->Value(), 10);
    EXPECT_EQ(p.SpinEdit2->Value(), 600);
    EXPECT_EQ(frm.Tmr_Display->Interval(), 600000);
    EXPECT_EQ(p.Trackbar1->value(), 255);
    EXPECT_EQ(p.Lbl_Pcent->text(), "100%");
    EXPECT_EQ(p.PositionIndex(), -1);
    EXPECT_FALSE(p.PositionRandom->isChecked() || p.PositionCentered->isChecked());
    EXPECT_EQ(frm.State.DisplayFont.Color, 255);
    EXPECT_EQ(frm.State.DisplayFont.Name, "Arial"); // empty keeps the name it had
    EXPECT_EQ(frm.State.DisplayFont.Size, 0);
    EXPECT_TRUE(p.Pause->isChecked());
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());

    p.btn_SaveSettingsClick();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Settings Saved Successfully"});
    EXPECT_EQ(Shown().back().kind, MsgKind::Information);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "10");
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "600");
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "255");
    EXPECT_EQ(Ini("A-Settings", "Position"), "-1");
    EXPECT_EQ(Ini("A-Settings", "TextColor"), "255");
    EXPECT_EQ(Ini("A-Settings", "Pause"), "1");
    EXPECT_EQ(Ini("A-Settings", "FontName"), "Arial");
    EXPECT_EQ(Ini("A-Settings", "Size"), "0");
}

TEST_F(SettingsPageTest, OtherBadValues)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=900\nPosition=7\nTextColor=0xFF000008\nPause=yes\n"
                              "FontName=" + std::string(40, 'F') + "\nSize=-4\n");
    TMainFrm& frm = MakeMain();
    TSettingsPage& p = Page();
    EXPECT_EQ(p.SpinEdit1->Value(), 700);
    EXPECT_TRUE(p.PositionCentered->isChecked());
    EXPECT_EQ(frm.State.DisplayFont.Color, -16777208);
    EXPECT_FALSE(p.Pause->isChecked());
    EXPECT_EQ(frm.State.DisplayFont.Name, std::string(31, 'F'));
    EXPECT_EQ(frm.State.DisplayFont.Size, -4);
    EXPECT_GT(p.Pnl_Font->font().pointSize(), 0); // the sample still draws
    // A desktop colour shows as the desktop's window text colour.
    EXPECT_EQ(p.Pnl_Font->palette().color(QPalette::WindowText).rgb(),
              frm.palette().color(QPalette::Active, QPalette::Text).rgb());
    ASSERT_TRUE(frm.SaveSettings("A"));
    EXPECT_EQ(Ini("A-Settings", "TextColor"), "-16777208");
    EXPECT_EQ(Ini("A-Settings", "Position"), "1");
}

TEST_F(SettingsPageTest, GroupIndexPastTheEndReadsTheBareSection)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->MakeCategory("B", {{"two", "y"}});
    exe->Write("Orvella.ini", "[General]\nGroupIndex=9\n[-Settings]\nDisplayTime=300\nPause=1\n");
    TMainFrm& frm = MakeMain();
    EXPECT_EQ(Page().SpinEdit1->Value(), 300);
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
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
    EXPECT_TRUE(frm.State.SettingsDirty);
    for (QWidget* w : std::initializer_list<QWidget*>{p.AutoStart, p.Pause, p.PositionCentered}) {
        frm.State.SettingsDirty = false;
        static_cast<QAbstractButton*>(w)->click();
        EXPECT_TRUE(frm.State.SettingsDirty) << w->objectName().toStdString();
    }
    frm.State.SettingsDirty = false;
    p.SpinEdit1->setValue(100);
    EXPECT_TRUE(frm.State.SettingsDirty);
    p.SetPositionIndex(-1);
    EXPECT_EQ(p.PositionIndex(), -1);
    p.SetPositionIndex(0);
    EXPECT_EQ(p.PositionIndex(), 0);
}

TEST_F(SettingsPageTest, TypedTextReadsAsAWholeNumberWithinRange)
{
    MakeMain();
    ov::TSpinEdit* spin = Page().SpinEdit1;
    auto* edit = spin->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText("abc");
    EXPECT_EQ(spin->Value(), 10);
    edit->setText("");
    EXPECT_EQ(spin->Value(), 10);
    spin->setValue(5000);
    EXPECT_EQ(spin->value(), 700);
    // Leaving the box puts the text right.
    spin->setValue(300);
    edit->setText("4");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin, &out);
    EXPECT_EQ(spin->value(), 10);
    EXPECT_EQ(edit->text(), "10");
}

TEST_F(SettingsPageTest, SwitchingCategoryRewritesTheOldSectionUnchanged)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->MakeCategory("B", {{"two", "y"}});
    exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n[A-Settings]\nDisplayTime=300\n");
    TMainFrm& frm = MakeMain();
    ASSERT_EQ(frm.DirListText(), "A");
    ASSERT_FALSE(Page().AutoStart->isChecked());
    // An entry made behind the page's back goes: the page says "off".
    std::filesystem::create_directories(ov::AutoRunFolder());
    exe->Write(ov::AutoRunEntryPath().substr(exe->Dir().size() + 1),
               ov::AutoRunEntryText(exe->Path("Orvella"), "orvella"));
    ASSERT_TRUE(ov::IsAutoRunSet({}));
    frm.MessagesPage->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300");
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "50");
    EXPECT_EQ(Ini("A-Settings", "Position"), "0");
    EXPECT_EQ(Ini("General", "GroupIndex"), "1");
    EXPECT_FALSE(std::filesystem::exists(ov::AutoRunEntryPath()));
    EXPECT_EQ(frm.State.CurrentGroup, "B");
    EXPECT_EQ(Page().SpinEdit1->Value(), 25); // B has no section
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
    EXPECT_TRUE(Page().AutoStart->isChecked());
    EXPECT_FALSE(Page().Pause->isChecked());
    EXPECT_EQ(frm.Tmr_Display->Interval(), 1000);
    EXPECT_EQ(Page().Lbl_Pcent->text(), "19%");
    EXPECT_TRUE(frm.State.SettingsDirty);
    EXPECT_FALSE(ov::IsAutoRunSet({})); // nothing written yet
    EXPECT_EQ(Ini("A-Settings", "Pause"), "1");

    Page().btn_SaveSettingsClick();
    EXPECT_EQ(Ini("A-Settings", "Pause"), "0");
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "25");
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "1");
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "50");
    EXPECT_EQ(Ini("A-Settings", "Position"), "0");
    EXPECT_EQ(Ini("A-Settings", "FontName"), "Arial");
    EXPECT_EQ(Ini("A-Settings", "Size"), "12");
    EXPECT_EQ(Ini("A-Settings", "TextColor"), "0");
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
    EXPECT_FALSE(frm.State.SettingsDirty);
}

TEST_F(SettingsPageTest, FailedSaveShowsNothingAndClearsTheFlag)
{
    exe->MakeCategory("A", {{"one", "x"}});
    const std::string before = "[A-Settings]\nDisplayTime=300\n";
    exe->Write("Orvella.ini", before);
    TMainFrm& frm = MakeMain();
    const std::string loaded = exe->Read("Orvella.ini");
    chmod(exe->SettingsFile().c_str(), 0444);
    Page().SpinEdit1->setValue(600);
    ASSERT_TRUE(frm.State.SettingsDirty);
    frm.State.CurrentGroup = "elsewhere";
    Page().btn_SaveSettingsClick();
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(frm.State.SettingsDirty);
    EXPECT_EQ(frm.State.CurrentGroup, "A");
    EXPECT_EQ(exe->Read("Orvella.ini"), loaded);
    EXPECT_FALSE(frm.SaveSettings("A"));
}

TEST_F(SettingsPageTest, LargeSettingsFileKeepsEverythingElse)
{
    exe->MakeCategory("A", {{"one", "x"}});
    std::string big = "[Padding]\n";
    const std::string line = "Key=" + std::string(100, 'v') + "\n";
    while (big.size() < 10u * 1024 * 1024) big += line;
    big += "[A-Settings]\nOpacity=200\n";
    exe->Write("Orvella.ini", big);
    TMainFrm& frm = MakeMain();
    EXPECT_EQ(Page().Trackbar1->value(), 200);
    ASSERT_TRUE(frm.SaveSettings("A"));
    const std::string after = exe->Read("Orvella.ini");
    EXPECT_EQ(after.compare(0, big.size() - 12, big, 0, big.size() - 12), 0);
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "200");
    EXPECT_EQ(Ini("A-Settings", "Position"), "0");
}

TEST_F(SettingsPageTest, AutoStartEntries)
{
    exe->MakeCategory("A", {{"one", "x"}});
    const std::string entry = ov::AutoRunEntryPath().substr(exe->Dir().size() + 1);
    // Another copy's entry is not this program's; saving ticked replaces it.
    exe->Write(entry, ov::AutoRunEntryText("/opt/elsewhere/Orvella", "orvella"));
    TMainFrm& frm = MakeMain();
    EXPECT_FALSE(Page().AutoStart->isChecked());
    Page().AutoStart->setChecked(true);
    ASSERT_TRUE(frm.SaveSettings("A"));
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_EQ(exe->Read(entry).find("/opt/elsewhere"), std::string::npos);

    // A hidden entry counts as off.
    std::string hidden = exe->Read(entry) + "Hidden=true\n";
    exe->Write(entry, hidden);
    frm.LoadSettings("A");
    EXPECT_FALSE(Page().AutoStart->isChecked());
    Page().AutoStart->setChecked(true);
    ASSERT_TRUE(frm.SaveSettings("A"));
    EXPECT_TRUE(ov::IsAutoRunSet({}));
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
    EXPECT_NE(Shown()[0].text.find("Unable To modify"), std::string::npos);
    EXPECT_EQ(Shown()[1].text, "Settings Saved Successfully");
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "200");
}
