#include "app/ui/mainwindow.h"
#include "display/ui/displaycycle.h"
#include "library/ui/messagespage.h"
#include "platform/error.h"
#include "platform/intervaltimer.h"
#include "settings/inifile.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"
#include "ui/widgetsupport.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using ov::MsgKind;
using ov::MsgResult;

class MessagesPageTest : public ovtest::WindowTest {
protected:
    void TearDown() override
    {
        rebuilt_.reset();
        alone_.reset();
        WindowTest::TearDown();
    }
    // The page alone, filled as start-up fills it: the stored category
    // selected, its lists and ticks loaded, its phrases built.
    MessagesPage& OpenPage()
    {
        alone_ = std::make_unique<MessagesPage>();
        rebuilt_ = std::make_unique<QSignalSpy>(alone_.get(), &MessagesPage::phrasesRebuilt);
        alone_->LoadCategories(false);
        alone_->SelectStoredCategory(ov::IniFile(exe->SettingsFile()).Load());
        alone_->LoadCategories(true);
        alone_->SetReady();
        return *alone_;
    }
    MessagesPage& Page() { return alone_ ? *alone_ : *Find<MessagesPage>(); }
    // A control of the page, alone or in the main window.
    template <typename T> T* In(const char* name) { return ovtest::Child<T>(&Page(), QLatin1String(name)); }
    int Rebuilds() const { return rebuilt_ ? int(rebuilt_->count()) : -1; }
    std::vector<std::string> Pool()
    {
        std::vector<std::string> out;
        for (size_t i = 0; i < Page().Phrases().Count(); ++i) out.emplace_back(Page().Phrases()[i]);
        return out;
    }
    std::string Ini(const std::string& section, const std::string& key)
    {
        return ov::IniFile(exe->SettingsFile()).ReadString(section, key, "<absent>");
    }

private:
    std::unique_ptr<MessagesPage> alone_;
    std::unique_ptr<QSignalSpy> rebuilt_;
};

TEST_F(MessagesPageTest, FrameHasSevenPagesAndDocumentedControls)
{
    MainWindow& window = MakeMain();
    EXPECT_EQ(window.size(), QSize(632, 491));
    const QStringList captions{"Messages", "Settings", "Newsletter", "Resources", "About", "Help",
                               "Additional Subliminal Messages"};
    ASSERT_EQ(Pages()->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) EXPECT_EQ(Pages()->tabText(i), captions[i]);
    EXPECT_EQ(Pages()->currentIndex(), 0);
    EXPECT_EQ(Find<QListWidget>("phraseLists")->geometry(), QRect(6, 74, 180, 231));
    EXPECT_EQ(Find<QComboBox>("categoryCombo")->geometry(), QRect(8, 24, 180, 21));
    EXPECT_EQ(Find<QWidget>("headerPanel")->geometry(), QRect(0, 0, 632, 71));
    EXPECT_EQ(Pages()->geometry(), QRect(0, 71, 632, 491 - 71));
    EXPECT_TRUE(window.IsReady());
    // The hide timer waits for a phrase; the test preview's runs from the start.
    EXPECT_FALSE(HideTimer()->Enabled());
    EXPECT_TRUE(PreviewTimer()->Enabled());
    EXPECT_EQ(PreviewTimer()->Interval(), 1000);
}

TEST_F(MessagesPageTest, StartupSelectsStoredCategoryTicksFirstListAndBuildsPool)
{
    exe->MakeCategory("Beta", {{"Zeta", "z1\nz2"}, {"alpha", "a1"}});
    exe->MakeCategory("alpha", {{"One", "x"}});
    exe->Write("Affirmations/plain.txt", "not a category");
    exe->MakeFolder("Affirmations/.hidden");
    exe->Write("Orvella.ini", "[General]\nGroupIndex=1\n");
    MakeMain();
    ASSERT_EQ(Find<QComboBox>("categoryCombo")->count(), 2);
    EXPECT_EQ(Find<QComboBox>("categoryCombo")->itemText(0), "alpha");
    EXPECT_EQ(Page().CurrentCategory(), "Beta");
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{"alpha", "Zeta"}));
    // No record: the first list is ticked and recorded at once.
    EXPECT_TRUE(Page().Ticked(0));
    EXPECT_FALSE(Page().Ticked(1));
    EXPECT_EQ(Ini("Beta-Affirmations", "0"), "alpha:True");
    EXPECT_EQ(Ini("Beta-Affirmations", "1"), "Zeta:False");
    EXPECT_EQ(Pool(), (std::vector<std::string>{"a1"}));
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), -1);
    EXPECT_EQ(Find<MessagesPage>()->LoadedCategory(), "Beta");
    EXPECT_FALSE(Find<MessagesPage>()->HasUnsavedChanges());
}

TEST_F(MessagesPageTest, TickRecordRestoresTicksAndPoolFollowsListOrder)
{
    exe->MakeCategory("Cat", {{"Zeta", "z"}, {"alpha", "a"}, {"mid", "m"}});
    exe->Write("Orvella.ini", "[cat-affirmations]\n0=ZETA:True\n1=alpha:1\n2=mid:False\n");
    OpenPage();
    EXPECT_TRUE(Page().Ticked(0));
    EXPECT_FALSE(Page().Ticked(1));
    EXPECT_TRUE(Page().Ticked(2));
    EXPECT_EQ(Pool(), (std::vector<std::string>{"a", "z"}));
    EXPECT_EQ(Rebuilds(), 1);
}

TEST_F(MessagesPageTest, BadTickLineIsToldOnceCostsNoOtherTickAndTheNextSaveDropsIt)
{
    exe->MakeCategory("Cat", {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    exe->Write("Orvella.ini", "[Cat-Affirmations]\n0=b:True\n1=c:maybe\n2=c:True\n(=ace:\n");
    OpenPage();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("'maybe' is not a valid boolean value"), std::string::npos) << Shown()[0].text;
    EXPECT_FALSE(Page().Ticked(0));
    EXPECT_TRUE(Page().Ticked(1));
    EXPECT_TRUE(Page().Ticked(2));
    EXPECT_EQ(Pool(), (std::vector<std::string>{"2", "3"}));
    Page().LoadCategoryLists(); // as every close of the window does
    EXPECT_EQ(Shown().size(), 1u);
    Page().SaveTicksAndEditor();
    EXPECT_EQ(ov::IniFile(exe->SettingsFile()).ReadSection("Cat-Affirmations"),
              (std::vector<std::pair<std::string, std::string>>{{"0", "a:False"}, {"1", "b:True"}, {"2", "c:True"}}));
}

TEST_F(MessagesPageTest, UnreadableListIsToldOnceAndTheOthersKeepFlashing)
{
    exe->MakeCategory("Cat", {{"a", "one"}, {"c", "three"}});
    const std::string b = exe->Path("Affirmations/Cat/b.txt");
    ASSERT_EQ(symlink("/proc/self/mem", b.c_str()), 0);
    exe->Write("Orvella.ini", "[Cat-Affirmations]\n0=a:True\n1=b:True\n2=c:True\n");
    OpenPage();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text.rfind("Cannot open file \"" + b + "\". ", 0), 0u) << Shown()[0].text;
    EXPECT_EQ(Pool(), (std::vector<std::string>{"one", "three"}));
    const int rebuilds = Rebuilds();
    Page().LoadCategoryLists();
    Page().BuildPhrasePool();
    EXPECT_EQ(Rebuilds(), rebuilds + 2); // each rebuild starts the turns again
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Pool(), (std::vector<std::string>{"one", "three"}));
}

TEST_F(MessagesPageTest, CategoryChangeAsksOnceWhenDirtyAndSavesToPreviousCategory)
{
    exe->MakeCategory("A", {{"a1", "x"}, {"a2", "y"}});
    exe->MakeCategory("B", {{"b1", "p"}});
    MakeMain();
    ASSERT_EQ(Page().CurrentCategory(), "A");
    Find<QListWidget>("phraseLists")->item(1)->setCheckState(Qt::Checked); // as a click would
    EXPECT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());

    Answer(MsgResult::Yes);
    Page().SelectCategory(1);
    ASSERT_EQ(ShownTexts(), (std::vector<std::string>{
                                "The selected messages have changed.\r\nDo you wish to save the changes?"}));
    EXPECT_EQ(Ini("A-Affirmations", "1"), "a2:True");
    EXPECT_EQ(Find<MessagesPage>()->LoadedCategory(), "B");
    EXPECT_EQ(Pool(), (std::vector<std::string>{"p"}));
    EXPECT_EQ(Ini("General", "GroupIndex"), "1"); // the box already shows the new category

    // Answering No discards the change.
    Find<QListWidget>("phraseLists")->item(0)->setCheckState(Qt::Unchecked);
    Answer(MsgResult::No);
    Page().SelectCategory(0);
    EXPECT_EQ(Ini("B-Affirmations", "0"), "b1:True");
    EXPECT_EQ(Page().CurrentCategory(), "A");
    EXPECT_TRUE(Page().Ticked(1));
}

TEST_F(MessagesPageTest, FailedSaveOnCategoryChangeStaysOnTheOldCategoryWithItsEdits)
{
    exe->MakeCategory("X", {{"a", "x text"}});
    exe->MakeCategory("Y", {{"a", "y text"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    Find<QPlainTextEdit>("phraseEditor")->setPlainText("x edited");
    chmod(exe->Path("Affirmations/X/a.txt").c_str(), 0444);
    Answer(MsgResult::Yes);
    Page().SelectCategory(1);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1].kind, MsgKind::Error);
    EXPECT_EQ(Page().CurrentCategory(), "X");
    EXPECT_EQ(Find<MessagesPage>()->LoadedCategory(), "X");
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->toPlainText(), "x edited");
    EXPECT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());
    // Saving later still writes X's list, never Y's.
    chmod(exe->Path("Affirmations/X/a.txt").c_str(), 0644);
    Page().SaveTicksAndEditor();
    EXPECT_EQ(exe->Read("Affirmations/X/a.txt"), "x edited");
    EXPECT_EQ(exe->Read("Affirmations/Y/a.txt"), "y text");
}

TEST_F(MessagesPageTest, NewCategoryWithABadTickRecordLoadsWithItsOwnSettings)
{
    exe->MakeCategory("X", {{"x1", "x"}});
    exe->MakeCategory("Y", {{"y1", "y"}});
    exe->Write("Orvella.ini", "[X-Settings]\nDisplayFreq=7\n[Y-Settings]\nDisplayFreq=3\n"
                              "[Y-Affirmations]\n0=y1:maybe\n");
    MakeMain();
    Page().SelectCategory(1);
    EXPECT_EQ(Page().CurrentCategory(), "Y");
    EXPECT_EQ(Page().ListNames(), std::vector<std::string>{"y1"});
    EXPECT_EQ(Find<ov::NumberSpinBox>("intervalSpin")->Value(), 3);
    EXPECT_EQ(Find<MessagesPage>()->LoadedCategory(), "Y");
    Page().SelectCategory(0);
    EXPECT_EQ(Ini("Y-Settings", "DisplayFreq"), "3");
    EXPECT_EQ(Ini("X-Settings", "DisplayFreq"), "7");
    EXPECT_EQ(Find<ov::NumberSpinBox>("intervalSpin")->Value(), 7);
}

TEST_F(MessagesPageTest, ListNameWithALineBreakIsSkippedInTheRecordAndTheChangeCompletes)
{
    exe->MakeCategory("X", {{"x1", "x"}});
    exe->MakeCategory("Y", {{"two\nlines", "t"}, {"plain", "p"}});
    exe->Write("Orvella.ini", "[Y-Settings]\nDisplayFreq=3\n");
    MakeMain();
    Page().SelectCategory(1);
    EXPECT_TRUE(Shown().empty()); // the list is not ticked: no tick is lost
    EXPECT_EQ(Page().CurrentCategory(), "Y");
    EXPECT_EQ(Find<ov::NumberSpinBox>("intervalSpin")->Value(), 3);
    EXPECT_EQ(Ini("Y-Affirmations", "0"), "plain:True"); // the other ticks are kept
    EXPECT_EQ(Pool(), std::vector<std::string>{"p"});
    Page().SetTicked(1, true);
    Page().SaveTicksAndEditor();
    Page().SaveTicksAndEditor(); // told once
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_NE(Shown()[0].text.find("two\nlines"), std::string::npos);
    Page().SelectCategory(0);
    EXPECT_EQ(Ini("Y-Settings", "DisplayFreq"), "3");
}

TEST_F(MessagesPageTest, ReloadKeepsSelectionByNameAndAVanishedCategoryGivesWayToOneThatExists)
{
    exe->MakeCategory("Work", {{"w", "w1"}});
    OpenPage();
    exe->MakeCategory("Apple", {{"a", "a1"}});
    Page().LoadCategories(true);
    EXPECT_EQ(Page().CurrentCategory(), "Work"); // kept by name, though its position moved
    EXPECT_EQ(Pool(), (std::vector<std::string>{"w1"}));

    std::filesystem::remove_all(exe->Path("Affirmations/Work"));
    Page().LoadCategoryLists(); // as a close of the window does
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Shown()[0].text.find("\"Work\" is no longer"), std::string::npos) << Shown()[0].text;
    EXPECT_EQ(In<QComboBox>("categoryCombo")->count(), 1);
    EXPECT_EQ(Page().CurrentCategory(), "Apple");
    EXPECT_EQ(Pool(), (std::vector<std::string>{"a1"}));
    Page().LoadCategoryLists();
    EXPECT_EQ(Shown().size(), 1u);
}

// Linux names are case-sensitive and need not be UTF-8: each is its own
// category or list, under its own bytes.
TEST_F(MessagesPageTest, NamesAreTheBytesOnDiskCaseAndEncodingAlike)
{
    exe->MakeCategory("Calm", {{"A", "upper"}, {"a", "lower"}});
    exe->MakeCategory("calm", {{"x", "x1"}});
    exe->MakeCategory("Caf\xE9", {{"r\xE9sum\xE9", "p1"}});
    OpenPage();
    auto choose = [&](const std::string& name) {
        for (int i = 0; i < In<QComboBox>("categoryCombo")->count(); ++i) {
            In<QComboBox>("categoryCombo")->setCurrentIndex(i);
            if (Page().CurrentCategory() == name) return;
        }
        ADD_FAILURE() << name;
    };
    choose("Calm");
    QListWidget* lists = In<QListWidget>("phraseLists");
    lists->item(Page().ListNames()[0] == "a" ? 0 : 1)->setCheckState(Qt::Checked);
    lists->item(Page().ListNames()[0] == "A" ? 0 : 1)->setCheckState(Qt::Unchecked);
    Page().SaveTicksAndEditor();
    choose("calm");
    choose("Calm");
    EXPECT_EQ(Pool(), (std::vector<std::string>{"lower"}));
    choose("Caf\xE9");
    EXPECT_EQ(In<QComboBox>("categoryCombo")->currentText(), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{"r\xE9sum\xE9"}));
    EXPECT_EQ(Pool(), (std::vector<std::string>{"p1"}));
    EXPECT_EQ(Ini("Caf\xE9-Affirmations", "0"), "r\xE9sum\xE9:True");
    lists->setCurrentRow(0);
    EXPECT_EQ(Page().EditorText(), "p1");
    EXPECT_TRUE(Shown().empty()) << ShownTexts().front();
}

// Ticking the first list of a category without a record is a tidy-up: a
// settings file that cannot be written is told once and stops nothing.
TEST_F(MessagesPageTest, TheFirstTickIsRecordedWhereItCanBeAndToldOnceWhereNot)
{
    exe->MakeCategory("X", {{"x1", "x"}});
    exe->Write("Orvella.ini", "[X-Settings]\n");
    chmod(exe->SettingsFile().c_str(), 0444);
    OpenPage();
    EXPECT_TRUE(Page().Ticked(0));
    EXPECT_EQ(Pool(), (std::vector<std::string>{"x"}));
    EXPECT_NO_THROW(Page().LoadCategoryLists());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_EQ(exe->Read("Orvella.ini"), "[X-Settings]\n");
}

TEST_F(MessagesPageTest, EmptyCategoryKeepsPoolAndGroupIndexBeyondRangeSelectsFirst)
{
    exe->MakeCategory("Full", {{"f", "f1"}});
    exe->MakeFolder("Affirmations/Hollow");
    exe->Write("Orvella.ini", "[General]\nGroupIndex=7\n");
    OpenPage();
    EXPECT_EQ(Page().CurrentCategory(), "Full");
    Page().SelectCategory(1);
    EXPECT_EQ(In<QListWidget>("phraseLists")->count(), 0);
    EXPECT_EQ(Pool(), (std::vector<std::string>{"f1"}));
    EXPECT_EQ(Page().LoadedCategory(), "Hollow");
}

TEST_F(MessagesPageTest, EditorTextIsWrittenWithCrLfAndFailureKeepsDirty)
{
    exe->MakeCategory("Cat", {{"list", "old"}});
    OpenPage();
    In<QListWidget>("phraseLists")->setCurrentRow(0);
    In<QPlainTextEdit>("phraseEditor")->setPlainText("new one\nnew two");
    EXPECT_TRUE(Page().HasUnsavedChanges());
    Page().SaveTicksAndEditor();
    EXPECT_EQ(exe->Read("Affirmations/Cat/list.txt"), "new one\r\nnew two");
    EXPECT_FALSE(Page().HasUnsavedChanges());

    chmod(exe->Path("Affirmations/Cat/list.txt").c_str(), 0444);
    In<QPlainTextEdit>("phraseEditor")->setPlainText("lost?");
    EXPECT_THROW(Page().SaveTicksAndEditor(), ov::OvError);
    EXPECT_EQ(exe->Read("Affirmations/Cat/list.txt"), "new one\r\nnew two");
    EXPECT_TRUE(Page().HasUnsavedChanges());
}

TEST_F(MessagesPageTest, ManyCategoriesLoad)
{
    for (int i = 0; i < 2000; ++i) exe->MakeFolder("Affirmations/c" + std::to_string(i));
    exe->MakeCategory("c0", {{"l", "x"}});
    OpenPage();
    EXPECT_EQ(In<QComboBox>("categoryCombo")->count(), 2000);
    EXPECT_EQ(Pool(), (std::vector<std::string>{"x"}));
}

TEST_F(MessagesPageTest, TooltipFollowsReleasedItem)
{
    exe->MakeCategory("Cat", {{"A rather long list name", "x"}});
    OpenPage();
    QListWidget* lists = In<QListWidget>("phraseLists");
    const QRect r = lists->visualItemRect(lists->item(0));
    QTest::mouseRelease(lists->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(lists->toolTip(), "A rather long list name");
    QTest::mouseRelease(lists->viewport(), Qt::LeftButton, {}, QPoint(5, 200)); // empty space keeps it
    EXPECT_EQ(lists->toolTip(), "A rather long list name");
}
