#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "app/ui/sessionendwatcher.h"
#include "app/ui/splashwindow.h"
#include "library/ui/messagespage.h"
#include "platform/intervaltimer.h"
#include "settings/inifile.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"
#include "ui/widgetsupport.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <sys/stat.h>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include <csignal>

using ov::MsgKind;
using ov::MsgResult;

namespace {
const char* kNoTicks =
    "No phrase list has been ticked to be displayed. Orvella has ticked the first list.";
const char* kSettingsQuestion = "The settings have changed.\r\nDo you wish to save the changes?";
const char* kMessagesQuestion = "The selected messages have changed.\r\nDo you wish to save the changes?";

// Runs the main loop until the program ends it; a stuck program is ended by
// the safety net with 42.
int RunLoop()
{
    QTimer net;
    net.setSingleShot(true);
    QObject::connect(&net, &QTimer::timeout, [] { QCoreApplication::exit(42); });
    net.start(10000);
    return QApplication::exec();
}

// Calls `then` once a modal box or dialog is up (polled while it lives).
struct WhenModalOpen {
    explicit WhenModalOpen(std::function<void()> then)
    {
        QObject::connect(&poll, &QTimer::timeout, [this, then] {
            if (!QApplication::activeModalWidget()) return;
            poll.stop();
            then();
        });
        poll.start(10);
    }
    QTimer poll;
};
} // namespace

class Shell : public ovtest::WindowTest {
protected:
    MessagesPage& Msgs() { return *Find<MessagesPage>(); }
    std::string Ini(const std::string& section, const std::string& key)
    {
        return ov::IniFile(exe->SettingsFile()).ReadString(section, key, "<absent>");
    }
    // A category with one list, the window open and a setting changed but
    // not saved: whatever ends the program now must not ask or save.
    MainWindow& OpenWithUnsavedSettings()
    {
        exe->MakeCategory("A", {{"a", "a1"}});
        MainWindow& window = MakeMain();
        Find<QSpinBox>("intervalSpin")->setValue(5);
        window.onTrayClick();
        return window;
    }
    // Opens the window as the tray click does, then closes it.
    bool OpenAndClose()
    {
        main->onTrayClick();
        EXPECT_TRUE(main->isVisible());
        return main->close();
    }
};

TEST_F(Shell, StartupLoadsStoredCategoryAndPauseState)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    exe->MakeCategory("B", {{"b", "b1"}});
    exe->Write("Orvella.ini", "[General]\nGroupIndex=1\n[B-Settings]\nPause=1\nDisplayFreq=7\n");
    MainWindow& window = MakeMain();
    EXPECT_TRUE(window.IsReady());
    EXPECT_EQ(Find<MessagesPage>()->CurrentCategory(), "B");
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    EXPECT_EQ(DisplayTimer()->Interval(), 7000); // the category's settings, loaded before the lists
    EXPECT_EQ(Pages()->currentIndex(), 0);
    EXPECT_EQ(Find<MessagesPage>()->Phrases().Count(), 1u);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Shell, StartupWithoutPauseRunsTheDisplayTimer)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MakeMain();
    EXPECT_FALSE(PauseAction()->isChecked());
    EXPECT_TRUE(DisplayTimer()->Enabled());
    EXPECT_EQ(DisplayTimer()->Interval(), 1000);
}

TEST_F(Shell, CloseWithNoTickWarnsTicksFirstHidesAndRestartsTimer)
{
    exe->MakeCategory("A", {{"a", "a1"}, {"b", "b1"}});
    exe->Write("Affirmations/Empty/readme", "no lists here");
    MainWindow& window = MakeMain();
    Msgs().SetTicked(0, false); // no list ticked, nothing recorded as changed
    PauseAction()->setChecked(false);
    EXPECT_FALSE(OpenAndClose()); // the window hides, it does not close
    ASSERT_EQ(ShownTexts(), std::vector<std::string>{kNoTicks});
    EXPECT_EQ(Shown()[0].kind, MsgKind::Warning);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(DisplayTimer()->Enabled());
    // The reload restores the record's ticks: the first list stays ticked.
    EXPECT_TRUE(Msgs().Ticked(0));

    // A category without lists has nothing to tick: no warning.
    Msgs().SelectCategory(1);
    ASSERT_EQ(Msgs().CurrentCategory(), "Empty");
    ov::MessageBox::Reset();
    EXPECT_FALSE(OpenAndClose());
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Shell, CloseReachesTheTrayWhenTheSettingsFileCannotBeWritten)
{
    // No tick record in a read-only file: the reload on the way to the tray
    // wants to tidy the record and cannot. Nobody asked for that write.
    exe->MakeCategory("X", {{"a", "a1"}});
    exe->Write("Orvella.ini", "[X-Settings]\nDisplayFreq=3\n");
    chmod(exe->SettingsFile().c_str(), 0444);
    const std::string before = exe->Read("Orvella.ini");
    MainWindow& window = MakeMain();
    for (int close = 0; close < 2; ++close) {
        EXPECT_FALSE(OpenAndClose());
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(DisplayTimer()->Enabled()); // the phrases go on
    }
    // Told once in the run at most: not again at every close.
    EXPECT_LE(Shown().size(), 1u);
    EXPECT_EQ(Find<MessagesPage>()->Phrases().Count(), 1u);
    EXPECT_EQ(exe->Read("Orvella.ini"), before);
}

TEST_F(Shell, CloseWithChangedTicksTakesTheCategoryChangePath)
{
    exe->MakeCategory("A", {{"a", "a1"}, {"b", "b1"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->item(1)->setCheckState(Qt::Checked);
    ASSERT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());
    Answer(MsgResult::Yes);
    OpenAndClose();
    ASSERT_EQ(ShownTexts(), std::vector<std::string>{
                                "The selected messages have changed.\r\nDo you wish to save the changes?"});
    EXPECT_EQ(Ini("A-Affirmations", "1"), "b:True");
    EXPECT_EQ(Find<MessagesPage>()->Phrases().Count(), 2u); // rebuilt from disk on the way to the tray
    EXPECT_FALSE(Find<MessagesPage>()->HasUnsavedChanges());
}

TEST_F(Shell, ChangedSettingsAskYesSavesNoAsksAgain)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MakeMain();
    Find<QSpinBox>("intervalSpin")->setValue(9);
    ASSERT_TRUE(Find<SettingsPage>()->HasUnsavedChanges());

    Answer(MsgResult::No);
    OpenAndClose();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{kSettingsQuestion});
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "<absent>");
    EXPECT_TRUE(Find<SettingsPage>()->HasUnsavedChanges());
    EXPECT_EQ(DisplayTimer()->Interval(), 9000); // the page's value drives the timer

    Answer(MsgResult::Yes);
    OpenAndClose();
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{kSettingsQuestion, kSettingsQuestion}));
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "9");
    EXPECT_FALSE(Find<SettingsPage>()->HasUnsavedChanges());
}

TEST_F(Shell, FailedSaveInTheCloseQueryKeepsTheWindowOpenWithTheEdits)
{
    exe->MakeCategory("A", {{"a", "old"}});
    MainWindow& window = MakeMain();
    window.onTrayClick();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    Find<QPlainTextEdit>("phraseEditor")->setPlainText("edited");
    chmod(exe->Path("Affirmations/A/a.txt").c_str(), 0444);
    Answer(MsgResult::Yes);
    EXPECT_FALSE(window.close());
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].text, kMessagesQuestion);
    EXPECT_NE(Shown()[1].text.find("Cannot create file"), std::string::npos);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(DisplayTimer()->Enabled()); // nothing flashes over the open window
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->toPlainText(), "edited");
    EXPECT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());
    EXPECT_EQ(exe->Read("Affirmations/A/a.txt"), "old");

    // A settings save that fails keeps the window open too, and the question
    // comes again.
    chmod(exe->Path("Affirmations/A/a.txt").c_str(), 0644);
    Find<QSpinBox>("intervalSpin")->setValue(9);
    exe->Write("Orvella.ini", "[A-Settings]\nDisplayFreq=4\n");
    chmod(exe->SettingsFile().c_str(), 0444);
    ov::MessageBox::Reset();
    Answer(MsgResult::No); // the messages
    Answer(MsgResult::Yes);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(ShownTexts().at(1), kSettingsQuestion);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Find<SettingsPage>()->HasUnsavedChanges());
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "4");
}

TEST_F(Shell, AnsweringNoToTheMessagesStillAsksAboutTheSettingsAndWritesNothing)
{
    exe->MakeCategory("A", {{"a", "a1"}, {"b", "b1"}});
    MainWindow& window = MakeMain();
    const std::string before = exe->Read("Orvella.ini");
    Find<QListWidget>("phraseLists")->item(1)->setCheckState(Qt::Checked);
    Find<QSpinBox>("intervalSpin")->setValue(9);
    Answer(MsgResult::No);
    Answer(MsgResult::No);
    OpenAndClose();
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{kMessagesQuestion, kSettingsQuestion}));
    EXPECT_EQ(exe->Read("Orvella.ini"), before);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(Msgs().Ticked(1)); // the reload took the record's ticks back
}

TEST_F(Shell, MinimisedWindowOnlyAnswers)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MainWindow& window = MakeMain();
    Find<QSpinBox>("intervalSpin")->setValue(5);
    MarkMessagesChanged();
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(window.close()); // the close query runs and refuses
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(Find<SettingsPage>()->HasUnsavedChanges());
}

TEST_F(Shell, SessionEndClosesWithoutQuestions)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MainWindow& window = MakeMain();
    Find<QSpinBox>("intervalSpin")->setValue(5);
    MarkMessagesChanged();
    window.onTrayClick();
    int quitRc = -1;
    QTimer::singleShot(0, [&] {
        QEvent notice(SessionEndWatcher::QueryEndSession());
        QCoreApplication::sendEvent(&window, &notice);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(42); }); // a safety net only
    quitRc = QApplication::exec();
    EXPECT_EQ(quitRc, 0);
    EXPECT_TRUE(window.SessionEnded());
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "<absent>");
}

TEST_F(Shell, SessionEndAsksNothingAndClosesABoxThatIsOpen)
{
    // A category without lists: the close query's warning must not hold up
    // the end.
    exe->Write("Affirmations/Empty/readme", "no lists here");
    MakeMain();
    QTimer::singleShot(0, [&] {
        QEvent notice(SessionEndWatcher::QueryEndSession());
        QCoreApplication::sendEvent(main, &notice);
    });
    EXPECT_EQ(RunLoop(), 0);
    EXPECT_TRUE(Shown().empty());

    // Again with the warning box open, shown for real with its own loop.
    DestroyWindows();
    ov::MessageBox::Reset();
    exe->MakeCategory("Full", {{"a", "a1"}});
    MainWindow& window = MakeMain();
    Msgs().SelectCategory(1);
    ASSERT_EQ(Msgs().CurrentCategory(), "Full");
    Msgs().SetTicked(0, false);
    Find<QSpinBox>("intervalSpin")->setValue(5);
    ov::MessageBox::SetScripted(false);
    QTimer::singleShot(0, [&] {
        window.onTrayClick();
        window.close(); // no list ticked: the warning box waits
    });
    QString openBox;
    WhenModalOpen watch([&] {
        openBox = QApplication::activeModalWidget()->windowTitle();
        QEvent notice(SessionEndWatcher::QueryEndSession());
        QCoreApplication::sendEvent(&window, &notice);
    });
    const int rc = RunLoop();
    ov::MessageBox::SetScripted(true);
    EXPECT_EQ(openBox, "Warning");
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Ini("Full-Settings", "DisplayFreq"), "<absent>");
}

TEST_F(Shell, SignalBeforeTheMainWindowExistsClosesTheOpenBox)
{
    // As main() does right after the application object exists; no window
    // is there yet to hear of the end.
    SessionEndWatcher::WatchSignals();
    ov::MessageBox::SetScripted(false);
    WhenModalOpen watch([] {
        raise(SIGTERM);
        // A safety net only: a box the end left open is closed much later.
        QTimer::singleShot(10000, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
    });
    const MsgResult answer = ov::MessageBox::Show(MsgKind::Confirm, "Go on?");
    ov::MessageBox::SetScripted(true);
    std::signal(SIGTERM, SIG_DFL);
    EXPECT_EQ(answer, MsgResult::No);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(SessionEndWatcher::Ended()); // main() goes no further
    EXPECT_EQ(ov::MessageBox::Show(MsgKind::Confirm, "And now?"), MsgResult::No);
    EXPECT_TRUE(Shown().empty()); // a later box answers without showing
}

TEST_F(Shell, SessionManagersEndOrderEndsAndAsksNothing)
{
    MainWindow& window = OpenWithUnsavedSettings();
    // The order to end reaches Qt as a Quit event to the application.
    QTimer::singleShot(0, [] {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    });
    EXPECT_EQ(RunLoop(), 0);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(window.SessionEnded());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Ini("A-Settings", "DisplayFreq"), "<absent>");
}

TEST_F(Shell, ExitWithTheWindowOpenAsksNothing)
{
    OpenWithUnsavedSettings();
    QTimer::singleShot(0, [&] { ExitAction()->trigger(); });
    EXPECT_EQ(RunLoop(), 0);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Shell, ExitAsksNothingAndEndsTheLoop)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MainWindow& window = MakeMain();
    Find<QSpinBox>("intervalSpin")->setValue(5);
    MarkMessagesChanged();
    QTimer::singleShot(0, [&] { ExitAction()->trigger(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(42); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(window.SessionEnded());
}

TEST_F(Shell, TrayClickMovesPhraseWindowAwayAndStopsDisplay)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MainWindow& window = MakeMain();
    Pages()->setCurrentIndex(4);
    ASSERT_TRUE(DisplayTimer()->Enabled());
    window.onTrayClick();
    EXPECT_FALSE(DisplayTimer()->Enabled());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Pages()->currentIndex(), 4); // the last page stays
    SettingsAction()->trigger();
    EXPECT_EQ(Pages()->currentIndex(), 1);
}

TEST_F(Shell, PauseMenuTogglesTimerOnlyInMemory)
{
    exe->MakeCategory("A", {{"a", "a1"}});
    MakeMain();
    PauseAction()->trigger();
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    PauseAction()->trigger();
    EXPECT_TRUE(DisplayTimer()->Enabled());
    EXPECT_FALSE(Find<QCheckBox>("pauseCheck")->isChecked());
    EXPECT_EQ(Ini("A-Settings", "Pause"), "<absent>");
}

TEST_F(Shell, SplashNamesTheExecutableAndWaitsForItsFade)
{
    exe->Write("LOGO_Small.BMP", "not a picture"); // found without regard to case, skipped unreadable
    SplashWindow splash;
    ov::IntervalTimer* fade = ovtest::Child<ov::IntervalTimer>(&splash, "fadeTimer");
    EXPECT_EQ(ovtest::Child<QLabel>(&splash, "loadingLabel")->text(), "Orvella loading...");
    EXPECT_EQ(splash.size(), QSize(327, 102));
    EXPECT_FALSE(splash.close()); // not before the fade
    QElapsedTimer clock;
    clock.start();
    splash.show();
    ASSERT_TRUE(fade->Enabled());

    // Its timer coming too soon (as timers may) leaves it up and opaque.
    fade->Fire();
    if (clock.elapsed() < 3000) {
        EXPECT_FALSE(splash.IsDone());
        EXPECT_TRUE(fade->Enabled());
        EXPECT_EQ(splash.windowOpacity(), 1.0);
    }

    splash.WaitUntilDone();
    EXPECT_TRUE(splash.IsDone());
    EXPECT_FALSE(fade->Enabled());
    EXPECT_EQ(splash.windowOpacity(), 0.0); // faded out all the way
    EXPECT_FALSE(splash.isVisible());       // and then closed itself
}

TEST_F(Shell, SplashWaitEndsAtOnceWhenTheProgramIsEnding)
{
    SplashWindow splash;
    ov::IntervalTimer* fade = ovtest::Child<ov::IntervalTimer>(&splash, "fadeTimer");
    splash.show();
    bool ending = false;
    QTimer::singleShot(0, [&] { ending = true; });
    splash.WaitUntilDone([&] { return ending; });
    EXPECT_TRUE(splash.IsDone());
    EXPECT_FALSE(fade->Enabled());
    EXPECT_EQ(splash.windowOpacity(), 1.0); // no fade was waited for
}
