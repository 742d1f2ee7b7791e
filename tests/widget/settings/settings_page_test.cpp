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
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>
#include <sys/stat.h>

using ov::MsgKind;

TEST_F(SettingsPageTest, NoSettingsFileShowsTheDefaults)
{
    MakeMain();
    SettingsPage& p = Page();
    const ov::CategorySettings& font = p.Shown();
    EXPECT_EQ(font.FontName + "/" + std::to_string(font.FontColor) + "/" + std::to_string(font.FontSize), "Arial/0/12");
    EXPECT_EQ(p.Shown().DisplayTime, 25);
    EXPECT_EQ(p.Shown().Interval, 1);
    EXPECT_EQ(Find<QLabel>("contrastPercentLabel")->text(), "19%");
    EXPECT_TRUE(Find<QRadioButton>("randomRadio")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("pauseCheck")->isChecked() || Find<QCheckBox>("autoStartCheck")->isChecked());
    EXPECT_EQ(DisplayTimer()->Interval(), 1000);
    EXPECT_TRUE(DisplayTimer()->Enabled());
    EXPECT_FALSE(p.HasUnsavedChanges());
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
    EXPECT_EQ(p.Shown().DisplayTime, 10);
    EXPECT_EQ(DisplayTimer()->Interval(), 600000);
    EXPECT_EQ(Find<QLabel>("contrastPercentLabel")->text(), "100%");
    EXPECT_FALSE(Find<QRadioButton>("randomRadio")->isChecked() || Find<QRadioButton>("centeredRadio")->isChecked());
    EXPECT_EQ(p.Shown().FontName, "Arial"); // an empty name keeps the one it had
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
    EXPECT_EQ(Page().Shown().DisplayTime, 300);
    EXPECT_TRUE(PauseAction()->isChecked());
    Find<MessagesPage>()->SelectCategory(1);
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "300"); // not the defaults over it
}

TEST_F(SettingsPageAlone, ControlChangesMarkTheSettingsChanged)
{
    MakePage();
    QSignalSpy interval(page.get(), &SettingsPage::intervalChanged);
    QSignalSpy changed(page.get(), &SettingsPage::settingsChanged);
    Control<QSpinBox>("intervalSpin")->setValue(7);
    EXPECT_EQ(interval.count(), 1); // the display timer takes it now
    EXPECT_EQ(page->Shown().Interval, 7);
    EXPECT_TRUE(page->HasUnsavedChanges());
    changed.clear();
    Control<QSlider>("contrastSlider")->setValue(128);
    EXPECT_EQ(Control<QLabel>("contrastPercentLabel")->text(), "50%");
    for (QAbstractButton* b : {Control<QAbstractButton>("autoStartCheck"), Control<QAbstractButton>("pauseCheck"),
                               Control<QAbstractButton>("centeredRadio")}) {
        EXPECT_FALSE(changed.isEmpty());
        changed.clear();
        b->click();
    }
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(page->HasUnsavedChanges());
}

TEST_F(SettingsPageAlone, TypedTextReadsAsAWholeNumberWithinRange)
{
    MakePage();
    ov::NumberSpinBox* spin = Control<ov::NumberSpinBox>("displayTimeSpin");
    auto* edit = spin->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText("abc");
    EXPECT_EQ(spin->Value(), 10);
    // A tick reads the text as typed, before focus leaves the box.
    edit->setText("5");
    EXPECT_EQ(page->Shown().DisplayTime, 10);
    Control<ov::NumberSpinBox>("intervalSpin")->findChild<QLineEdit*>()->setText("700");
    EXPECT_EQ(page->Shown().Interval, 600);
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
    MakeMain();
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
    EXPECT_EQ(Page().Shown().DisplayTime, 25);
    EXPECT_FALSE(Page().HasUnsavedChanges());

    // A change is written on the way out, the rest of the section with it.
    Find<ov::NumberSpinBox>("displayTimeSpin")->setValue(40);
    Find<MessagesPage>()->SelectCategory(0);
    EXPECT_EQ(Ini("B-Settings", "DisplayTime"), "40");
    EXPECT_EQ(Ini("B-Settings", "Opacity"), "50");
    EXPECT_EQ(Page().Shown().DisplayTime, 300);

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
    MakeMain();
    PauseAction()->setChecked(false);
    DisplayTimer()->SetEnabled(true);
    Find<QPushButton>("restoreDefaultsButton")->click();
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    EXPECT_EQ(DisplayTimer()->Interval(), 1000);
    EXPECT_TRUE(Page().HasUnsavedChanges());
    EXPECT_FALSE(ov::IsAutoRunSet({})); // nothing written before the save
    EXPECT_EQ(Ini("A-Settings", "Pause"), "1");

    Find<QPushButton>("saveSettingsButton")->click();
    EXPECT_EQ(Section("A-Settings"), "Pause=0 DisplayTime=25 DisplayFreq=1 Opacity=50 Position=0 FontName=Arial "
                                     "Size=12 TextColor=0 ");
    EXPECT_TRUE(ov::IsAutoRunSet({}));
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
}

TEST_F(SettingsPageAlone, FailedSaveShowsTheReasonAndKeepsTheFlag)
{
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayTime=300\n");
    MakePage();
    const std::string loaded = exe->Read("Orvella.ini");
    chmod(exe->SettingsFile().c_str(), 0444);
    Control<ov::NumberSpinBox>("displayTimeSpin")->setValue(600);
    Control<QPushButton>("saveSettingsButton")->click();
    ASSERT_EQ(Shown().size(), 1u); // the reason, and no success message
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find(exe->SettingsFile()), std::string::npos);
    EXPECT_TRUE(page->HasUnsavedChanges());
    EXPECT_EQ(exe->Read("Orvella.ini"), loaded);
    EXPECT_FALSE(page->SaveSettings("A"));
}

TEST_F(SettingsPageAlone, LargeSettingsFileKeepsEverythingElse)
{
    std::string big = "[Padding]\n";
    const std::string line = "Key=" + std::string(100, 'v') + "\n";
    while (big.size() < 10u * 1024 * 1024) big += line;
    exe->Write("Orvella.ini", big + "[A-Settings]\nOpacity=200\n");
    MakePage();
    EXPECT_EQ(page->Shown().Contrast, 200);
    Control<QSlider>("contrastSlider")->setValue(201);
    ASSERT_TRUE(page->SaveSettings("A"));
    EXPECT_EQ(exe->Read("Orvella.ini").compare(0, big.size(), big), 0);
    EXPECT_EQ(Ini("A-Settings", "Opacity"), "201");
    EXPECT_EQ(Ini("A-Settings", "Position"), "0");
}

TEST_F(SettingsPageAlone, AutoStartEntriesOfOtherCopiesOrHiddenAreReplaced)
{
    const std::string entry = ov::AutoRunEntryPath().substr(exe->Dir().size() + 1);
    for (const std::string& text : {ov::AutoRunEntryText("/opt/elsewhere/Orvella"),
                                    ov::AutoRunEntryText(exe->Path("Orvella")) + "Hidden=true\n"}) {
        exe->Write(entry, text);
        if (!page) MakePage();
        page->LoadSettings("A");
        EXPECT_FALSE(Control<QCheckBox>("autoStartCheck")->isChecked());
        Control<QCheckBox>("autoStartCheck")->setChecked(true);
        ASSERT_TRUE(page->SaveSettings("A"));
        EXPECT_TRUE(ov::IsAutoRunSet({}));
        EXPECT_EQ(exe->Read(entry).find("/opt/elsewhere"), std::string::npos);
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SettingsPageAlone, AutoStartFolderThatIsAFileWarnsAndTheSaveGoesOn)
{
    exe->Write(ov::AutoRunFolder().substr(exe->Dir().size() + 1), "not a folder");
    MakePage();
    Control<QCheckBox>("autoStartCheck")->setChecked(true);
    Control<ov::NumberSpinBox>("displayTimeSpin")->setValue(200);
    Control<QPushButton>("saveSettingsButton")->click();
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_EQ(Shown()[0].text.rfind("Could not write the auto-start entry " + ov::AutoRunEntryPath() + ": ", 0), 0u);
    EXPECT_EQ(Shown()[1].text, "Settings Saved Successfully");
    EXPECT_EQ(Ini("A-Settings", "DisplayTime"), "200");
}
