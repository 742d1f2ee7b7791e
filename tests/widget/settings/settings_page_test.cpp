#include "library/ui/messagespage.h"
#include "platform/intervaltimer.h"
#include "settings/autorun.h"
#include "settings/ui/numberspinbox.h"
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
    MainWindow& window = MakeMain();
    SettingsPage& p = Page();
    const ov::DisplayFontSpec& font = window.state_.DisplayFont;
    EXPECT_EQ(font.Name + "/" + std::to_string(font.Color) + "/" + std::to_string(font.Size), "Arial/0/12");
    EXPECT_EQ(p.displayTimeSpin_->Value(), 25);
    EXPECT_EQ(p.intervalSpin_->Value(), 1);
    EXPECT_EQ(p.contrastPercentLabel_->text(), "19%");
    EXPECT_TRUE(p.randomRadio_->isChecked());
    EXPECT_FALSE(p.pauseCheck_->isChecked() || p.autoStartCheck_->isChecked());
    EXPECT_EQ(window.displayTimer_->Interval(), 1000);
    EXPECT_TRUE(window.displayTimer_->Enabled());
    EXPECT_FALSE(window.state_.SettingsDirty);
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(exe->SettingsFile()));
}

TEST_F(SettingsPageTest, EveryControlIsNamedForScreenReaders)
{
    exe->MakeCategory("Daily", {{"one", "x"}});
    MainWindow& window = MakeMain();
    SettingsPage& p = Page();
    const std::vector<std::pair<QWidget*, const char*>> controls{
        {p.displayTimeSpin_, "Show message for"}, {p.intervalSpin_, "Show message every"}, {p.contrastSlider_, "Contrast"},
        {p.autoStartCheck_, "Start Orvella when I log in"}, {p.pauseCheck_, "Pause messages"},
        {p.randomRadio_, "Random - Full Screen"}, {p.centeredRadio_, "Centered - Full Screen"},
        {p.fontSizeButton_, "Font Size"}, {p.fontColorButton_, "Font Color"}, {p.fontNameButton_, "Font Name"},
        {p.restoreDefaultsButton_, "Restore Defaults"}, {p.saveSettingsButton_, "Save"}, {p.fontSample_, "Font sample"}};
    for (const auto& [w, caption] : controls)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), caption);

    // A drop-down box is named by its label, not by the entry it shows, and
    // so is its list; the tab of the page shown reports itself selected.
    QComboBox* categoryCombo = Find<QComboBox>("categoryCombo");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(categoryCombo)->text(QAccessible::Name), "Subliminal Category");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(categoryCombo)->text(QAccessible::Value), "Daily");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(categoryCombo->view())->text(QAccessible::Name), "Subliminal Category");
    window.pages_->setCurrentWidget(window.settingsTab_);
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(window.pages_->tabBar());
    ASSERT_EQ(tabs->childCount(), window.pages_->count());
    EXPECT_EQ(tabs->child(1)->text(QAccessible::Name), "Settings");
    EXPECT_TRUE(tabs->child(1)->state().selected);
    EXPECT_FALSE(tabs->child(0)->state().selected);
}

TEST_F(SettingsPageTest, StoredValuesOutOfRangeAreClampedAndSavedAsShown)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=5\nDisplayFreq=900\nOpacity=300\nPosition=-5\n"
                              "TextColor=0xFF000008\nPause=2\nFontName=\nSize=-4\n");
    MainWindow& window = MakeMain();
    SettingsPage& p = Page();
    EXPECT_EQ(p.displayTimeSpin_->Value(), 10);
    EXPECT_EQ(window.displayTimer_->Interval(), 600000);
    EXPECT_EQ(p.contrastPercentLabel_->text(), "100%");
    EXPECT_FALSE(p.randomRadio_->isChecked() || p.centeredRadio_->isChecked());
    EXPECT_EQ(window.state_.DisplayFont.Name, "Arial"); // an empty name keeps the one it had
    EXPECT_GT(p.fontSample_->font().pointSize(), 0);   // the sample still draws at size -4
    // A desktop colour shows as the desktop's window text colour.
    EXPECT_EQ(p.fontSample_->palette().color(QPalette::WindowText).rgb(),
              window.palette().color(QPalette::Active, QPalette::Text).rgb());
    // A stored pause holds the display at start-up.
    EXPECT_TRUE(window.pauseAction_->isChecked());
    EXPECT_FALSE(window.displayTimer_->Enabled());

    p.onSaveSettings();
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
    MainWindow& window = MakeMain();
    EXPECT_EQ(window.CurrentCategory(), "A");
    EXPECT_EQ(Page().displayTimeSpin_->Value(), 300);
    EXPECT_TRUE(window.pauseAction_->isChecked());
    window.messagesPage_->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300"); // not the defaults over it
}

TEST_F(SettingsPageTest, ControlChangesMarkTheSettingsChanged)
{
    MainWindow& window = MakeMain();
    SettingsPage& p = Page();
    p.intervalSpin_->setValue(7);
    EXPECT_EQ(window.displayTimer_->Interval(), 7000);
    EXPECT_TRUE(window.state_.SettingsDirty);
    window.state_.SettingsDirty = false;
    p.contrastSlider_->setValue(128);
    EXPECT_EQ(p.contrastPercentLabel_->text(), "50%");
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(p.autoStartCheck_), static_cast<QAbstractButton*>(p.pauseCheck_),
                               static_cast<QAbstractButton*>(p.centeredRadio_)}) {
        EXPECT_TRUE(window.state_.SettingsDirty);
        window.state_.SettingsDirty = false;
        b->click();
    }
    EXPECT_TRUE(window.state_.SettingsDirty);
}

TEST_F(SettingsPageTest, TypedTextReadsAsAWholeNumberWithinRange)
{
    MakeMain();
    ov::NumberSpinBox* spin = Page().displayTimeSpin_;
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
    MainWindow& window = MakeMain();
    ASSERT_FALSE(Page().autoStartCheck_->isChecked());
    // An entry made behind the page's back goes: the page says "off".
    exe->Write(ov::AutoRunEntryPath().substr(exe->Dir().size() + 1),
               ov::AutoRunEntryText(exe->Path("Orvella"), "orvella"));
    ASSERT_TRUE(ov::IsAutoRunSet({}));
    window.messagesPage_->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300");
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "50");
    EXPECT_EQ(Ini("General", "GroupIndex"), "1");
    EXPECT_FALSE(std::filesystem::exists(ov::AutoRunEntryPath()));
    EXPECT_EQ(window.state_.CurrentGroup, "B");
    EXPECT_EQ(Page().displayTimeSpin_->Value(), 25);
    EXPECT_FALSE(window.state_.SettingsDirty);
}

TEST_F(SettingsPageTest, RestoreDefaultsThenSave)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nPause=1\nDisplayTime=300\nDisplayFreq=20\nOpacity=7\nPosition=1\n"
                              "FontName=Courier\nSize=30\nTextColor=255\n");
    MainWindow& window = MakeMain();
    window.pauseAction_->setChecked(false);
    window.displayTimer_->SetEnabled(true);
    Page().onRestoreDefaults();
    EXPECT_TRUE(window.pauseAction_->isChecked());
    EXPECT_FALSE(window.displayTimer_->Enabled());
    EXPECT_EQ(window.displayTimer_->Interval(), 1000);
    EXPECT_TRUE(window.state_.SettingsDirty);
    EXPECT_FALSE(ov::IsAutoRunSet({})); // nothing written before the save
    EXPECT_EQ(Ini("A-Settings", "Pause"), "1");

    Page().onSaveSettings();
    EXPECT_EQ(Section("A-Settings"), "Pause=0 DisplayTime=25 DisplayFreq=1 Opacity=50 Position=0 FontName=Arial "
                                     "Size=12 TextColor=0 ");
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_TRUE(window.pauseAction_->isChecked());
    EXPECT_FALSE(window.displayTimer_->Enabled());
}

TEST_F(SettingsPageTest, FailedSaveShowsTheReasonAndKeepsTheFlag)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=300\n");
    MainWindow& window = MakeMain();
    const std::string loaded = exe->Read("Orvella.ini");
    chmod(exe->SettingsFile().c_str(), 0444);
    Page().displayTimeSpin_->setValue(600);
    Page().onSaveSettings();
    ASSERT_EQ(Shown().size(), 1u); // the reason, and no success message
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find(exe->SettingsFile()), std::string::npos);
    EXPECT_TRUE(window.state_.SettingsDirty);
    EXPECT_EQ(exe->Read("Orvella.ini"), loaded);
    EXPECT_FALSE(window.SaveSettings("A"));
}

TEST_F(SettingsPageTest, LargeSettingsFileKeepsEverythingElse)
{
    exe->MakeCategory("A", {{"one", "x"}});
    std::string big = "[Padding]\n";
    const std::string line = "Key=" + std::string(100, 'v') + "\n";
    while (big.size() < 10u * 1024 * 1024) big += line;
    exe->Write("Orvella.ini", big + "[A-Settings]\nOpacity=200\n");
    MainWindow& window = MakeMain();
    EXPECT_EQ(Page().contrastSlider_->value(), 200);
    ASSERT_TRUE(window.SaveSettings("A"));
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
        EXPECT_FALSE(Page().autoStartCheck_->isChecked());
        Page().autoStartCheck_->setChecked(true);
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
    Page().autoStartCheck_->setChecked(true);
    Page().displayTimeSpin_->setValue(200);
    Page().onSaveSettings();
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_EQ(Shown()[0].text.rfind("Could not write the auto-start entry " + ov::AutoRunEntryPath() + ": ", 0), 0u);
    EXPECT_EQ(Shown()[1].text, "Settings Saved Successfully");
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "200");
}
