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
    const ov::DisplayFontSpec& font = window.State().DisplayFont;
    EXPECT_EQ(font.Name + "/" + std::to_string(font.Color) + "/" + std::to_string(font.Size), "Arial/0/12");
    EXPECT_EQ(p.Current().DisplayTime, 25);
    EXPECT_EQ(p.Current().DisplayFreq, 1);
    EXPECT_EQ(Find<QLabel>("contrastPercentLabel")->text(), "19%");
    EXPECT_TRUE(Find<QRadioButton>("randomRadio")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("pauseCheck")->isChecked() || Find<QCheckBox>("autoStartCheck")->isChecked());
    EXPECT_EQ(DisplayTimer()->Interval(), 1000);
    EXPECT_TRUE(DisplayTimer()->Enabled());
    EXPECT_FALSE(window.State().SettingsDirty);
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(exe->SettingsFile()));
}

TEST_F(SettingsPageTest, EveryControlIsNamedForScreenReaders)
{
    exe->MakeCategory("Daily", {{"one", "x"}});
    MakeMain();
    const std::vector<std::pair<QWidget*, const char*>> controls{
        {Find<QWidget>("displayTimeSpin"), "Show message for"}, {Find<QWidget>("intervalSpin"), "Show message every"}, {Find<QWidget>("contrastSlider"), "Contrast"},
        {Find<QWidget>("autoStartCheck"), "Start Orvella when I log in"}, {Find<QWidget>("pauseCheck"), "Pause messages"},
        {Find<QWidget>("randomRadio"), "Random - Full Screen"}, {Find<QWidget>("centeredRadio"), "Centered - Full Screen"},
        {Find<QWidget>("fontSizeButton"), "Font Size"}, {Find<QWidget>("fontColorButton"), "Font Color"}, {Find<QWidget>("fontNameButton"), "Font Name"},
        {Find<QWidget>("restoreDefaultsButton"), "Restore Defaults"}, {Find<QWidget>("saveSettingsButton"), "Save"}, {Find<QWidget>("fontSample"), "Font sample"}};
    for (const auto& [w, caption] : controls)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), caption);

    // A drop-down box is named by its label, not by the entry it shows, and
    // so is its list; the tab of the page shown reports itself selected.
    QComboBox* categoryCombo = Find<QComboBox>("categoryCombo");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(categoryCombo)->text(QAccessible::Name), "Subliminal Category");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(categoryCombo)->text(QAccessible::Value), "Daily");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(categoryCombo->view())->text(QAccessible::Name), "Subliminal Category");
    Pages()->setCurrentWidget(Find<QWidget>("settingsPage"));
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(Pages()->tabBar());
    ASSERT_EQ(tabs->childCount(), Pages()->count());
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
    EXPECT_EQ(p.Current().DisplayTime, 10);
    EXPECT_EQ(DisplayTimer()->Interval(), 600000);
    EXPECT_EQ(Find<QLabel>("contrastPercentLabel")->text(), "100%");
    EXPECT_FALSE(Find<QRadioButton>("randomRadio")->isChecked() || Find<QRadioButton>("centeredRadio")->isChecked());
    EXPECT_EQ(window.State().DisplayFont.Name, "Arial"); // an empty name keeps the one it had
    EXPECT_GT(Find<QLabel>("fontSample")->font().pointSize(), 0);   // the sample still draws at size -4
    // A desktop colour shows as the desktop's window text colour.
    EXPECT_EQ(Find<QLabel>("fontSample")->palette().color(QPalette::WindowText).rgb(),
              window.palette().color(QPalette::Active, QPalette::Text).rgb());
    // A stored pause holds the display at start-up.
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());

    Find<QPushButton>("saveSettingsButton")->click();
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
    MakeMain();
    EXPECT_EQ(Find<MessagesPage>()->CurrentCategory(), "A");
    EXPECT_EQ(Page().Current().DisplayTime, 300);
    EXPECT_TRUE(PauseAction()->isChecked());
    Find<MessagesPage>()->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300"); // not the defaults over it
}

TEST_F(SettingsPageTest, ControlChangesMarkTheSettingsChanged)
{
    MainWindow& window = MakeMain();
    Find<QSpinBox>("intervalSpin")->setValue(7);
    EXPECT_EQ(DisplayTimer()->Interval(), 7000);
    EXPECT_TRUE(window.State().SettingsDirty);
    window.State().SettingsDirty = false;
    Find<QSlider>("contrastSlider")->setValue(128);
    EXPECT_EQ(Find<QLabel>("contrastPercentLabel")->text(), "50%");
    for (QAbstractButton* b : {Find<QAbstractButton>("autoStartCheck"), Find<QAbstractButton>("pauseCheck"),
                               Find<QAbstractButton>("centeredRadio")}) {
        EXPECT_TRUE(window.State().SettingsDirty);
        window.State().SettingsDirty = false;
        b->click();
    }
    EXPECT_TRUE(window.State().SettingsDirty);
}

TEST_F(SettingsPageTest, TypedTextReadsAsAWholeNumberWithinRange)
{
    MainWindow& window = MakeMain();
    ov::NumberSpinBox* spin = Find<ov::NumberSpinBox>("displayTimeSpin");
    auto* edit = spin->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText("abc");
    EXPECT_EQ(spin->Value(), 10);
    // A tick reads the text as typed, before focus leaves the box.
    edit->setText("5");
    EXPECT_EQ(window.State().Display.DisplayTime, 10);
    Find<ov::NumberSpinBox>("intervalSpin")->findChild<QLineEdit*>()->setText("700");
    EXPECT_EQ(window.State().Display.DisplayFreq, 600);
    spin->setValue(300);
    edit->setText("4");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin, &out);
    EXPECT_EQ(edit->text(), "10");
}

TEST_F(SettingsPageTest, SwitchingCategoryWritesTheOldSectionOnlyWhenChanged)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->MakeCategory("B", {{"two", "y"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=300\n");
    MainWindow& window = MakeMain();
    ASSERT_FALSE(Find<QCheckBox>("autoStartCheck")->isChecked());
    // An entry made behind the page's back stays: nobody touched the box.
    exe->Write(ov::AutoRunEntryPath().substr(exe->Dir().size() + 1),
               ov::AutoRunEntryText(exe->Path("Orvella")));
    ASSERT_TRUE(ov::IsAutoRunSet({}));
    Find<MessagesPage>()->SelectCategory(1);
    EXPECT_EQ(Section("A-Settings"), "DisplayTime=300 ");
    EXPECT_EQ(Ini("General", "GroupIndex"), "1");
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_EQ(Find<MessagesPage>()->LoadedCategory(), "B");
    EXPECT_EQ(Page().Current().DisplayTime, 25);
    EXPECT_FALSE(window.State().SettingsDirty);

    // A change is written on the way out, the rest of the section with it.
    Find<ov::NumberSpinBox>("displayTimeSpin")->setValue(40);
    Find<MessagesPage>()->SelectCategory(0);
    EXPECT_EQ(Ini("B-Settings", "DisplayTime"), "40");
    EXPECT_EQ(Ini("B-Settings", "Opacity"), "50");
    EXPECT_EQ(Page().Current().DisplayTime, 300);

    // Nothing changed since the load: a file the user may not write is no
    // obstacle and nothing is said.
    chmod(exe->SettingsFile().c_str(), 0444);
    EXPECT_TRUE(Page().SaveSettings("A"));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SettingsPageTest, RestoreDefaultsThenSave)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nPause=1\nDisplayTime=300\nDisplayFreq=20\nOpacity=7\nPosition=1\n"
                              "FontName=Courier\nSize=30\nTextColor=255\n");
    MainWindow& window = MakeMain();
    PauseAction()->setChecked(false);
    DisplayTimer()->SetEnabled(true);
    Find<QPushButton>("restoreDefaultsButton")->click();
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    EXPECT_EQ(DisplayTimer()->Interval(), 1000);
    EXPECT_TRUE(window.State().SettingsDirty);
    EXPECT_FALSE(ov::IsAutoRunSet({})); // nothing written before the save
    EXPECT_EQ(Ini("A-Settings", "Pause"), "1");

    Find<QPushButton>("saveSettingsButton")->click();
    EXPECT_EQ(Section("A-Settings"), "Pause=0 DisplayTime=25 DisplayFreq=1 Opacity=50 Position=0 FontName=Arial "
                                     "Size=12 TextColor=0 ");
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
}

TEST_F(SettingsPageTest, FailedSaveShowsTheReasonAndKeepsTheFlag)
{
    exe->MakeCategory("A", {{"one", "x"}});
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=300\n");
    MainWindow& window = MakeMain();
    const std::string loaded = exe->Read("Orvella.ini");
    chmod(exe->SettingsFile().c_str(), 0444);
    Find<ov::NumberSpinBox>("displayTimeSpin")->setValue(600);
    Find<QPushButton>("saveSettingsButton")->click();
    ASSERT_EQ(Shown().size(), 1u); // the reason, and no success message
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find(exe->SettingsFile()), std::string::npos);
    EXPECT_TRUE(window.State().SettingsDirty);
    EXPECT_EQ(exe->Read("Orvella.ini"), loaded);
    EXPECT_FALSE(Find<SettingsPage>()->SaveSettings("A"));
}

TEST_F(SettingsPageTest, LargeSettingsFileKeepsEverythingElse)
{
    exe->MakeCategory("A", {{"one", "x"}});
    std::string big = "[Padding]\n";
    const std::string line = "Key=" + std::string(100, 'v') + "\n";
    while (big.size() < 10u * 1024 * 1024) big += line;
    exe->Write("Orvella.ini", big + "[A-Settings]\nOpacity=200\n");
    MakeMain();
    EXPECT_EQ(Page().Current().Opacity, 200);
    Find<QSlider>("contrastSlider")->setValue(201);
    ASSERT_TRUE(Find<SettingsPage>()->SaveSettings("A"));
    EXPECT_EQ(exe->Read("Orvella.ini").compare(0, big.size(), big), 0);
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "201");
    EXPECT_EQ(Ini("A-Settings", "Position"), "0");
}

TEST_F(SettingsPageTest, AutoStartEntriesOfOtherCopiesOrHiddenAreReplaced)
{
    exe->MakeCategory("A", {{"one", "x"}});
    const std::string entry = ov::AutoRunEntryPath().substr(exe->Dir().size() + 1);
    for (const std::string& text : {ov::AutoRunEntryText("/opt/elsewhere/Orvella"),
                                    ov::AutoRunEntryText(exe->Path("Orvella")) + "Hidden=true\n"}) {
        exe->Write(entry, text);
        if (!main) MakeMain();
        Find<SettingsPage>()->LoadSettings("A");
        EXPECT_FALSE(Find<QCheckBox>("autoStartCheck")->isChecked());
        Find<QCheckBox>("autoStartCheck")->setChecked(true);
        ASSERT_TRUE(Find<SettingsPage>()->SaveSettings("A"));
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
    Find<QCheckBox>("autoStartCheck")->setChecked(true);
    Find<ov::NumberSpinBox>("displayTimeSpin")->setValue(200);
    Find<QPushButton>("saveSettingsButton")->click();
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_EQ(Shown()[0].text.rfind("Could not write the auto-start entry " + ov::AutoRunEntryPath() + ": ", 0), 0u);
    EXPECT_EQ(Shown()[1].text, "Settings Saved Successfully");
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "200");
}
