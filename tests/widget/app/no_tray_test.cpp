// Without a notification area the main window is the way in.
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "display/ui/phrasewindow.h"
#include "library/ui/messagespage.h"
#include "platform/intervaltimer.h"
#include "settings/inifile.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"
#include "ui/widgetsupport.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

class NoTray : public ovtest::WindowTest {
protected:
    // Two lists, the first ticked; the window shown in this mode.
    MainWindow& Start()
    {
        exe->MakeCategory("A", {{"a", "a1\r\na2\r\n"}, {"b", "b1\r\n"}});
        exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n[A-Affirmations]\n0=a:True\n1=b:False\n");
        MainWindow& window = MakeMain();
        window.EnterNoTrayMode();
        window.ShowMainWindow();
        return window;
    }
    QPushButton* Button(const char* name) { return Find<QPushButton>(QLatin1String(name)); }
};

TEST_F(NoTray, PhrasesFlashOnlyWhileMinimisedAndTakeUpTheTicksWithoutAsking)
{
    MainWindow& window = Start();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_NE(window.windowType(), Qt::Tool); // listed by the desktop, so it can be found again
    DisplayTimer()->Fire();
    EXPECT_FALSE(phraseWindow->isVisible());

    Find<QListWidget>("phraseLists")->item(1)->setCheckState(Qt::Checked); // not saved
    ASSERT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());
    Button("minimizeButton")->click();
    ASSERT_TRUE(window.isMinimized());
    EXPECT_EQ(Find<MessagesPage>()->Phrases().Count(), 3u);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(ov::IniFile(exe->SettingsFile()).ReadString("A-Affirmations", "1", ""), "b:False");
    DisplayTimer()->Fire();
    EXPECT_TRUE(phraseWindow->isVisible());
}

TEST_F(NoTray, BarRunsTheMenuCommandsAndClosingWhileMinimisedStillAsks)
{
    MainWindow& window = Start();
    Button("pauseButton")->click();
    EXPECT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    PauseAction()->trigger(); // the same state, whichever way it changes
    EXPECT_FALSE(Button("pauseButton")->isChecked());
    EXPECT_TRUE(DisplayTimer()->Enabled());
    Button("settingsButton")->click();
    EXPECT_EQ(Pages()->currentIndex(), 1);

    Find<QSpinBox>("intervalSpin")->setValue(5);
    window.showMinimized();
    Answer(ov::MsgResult::No);
    QTimer::singleShot(0, [&] { window.close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(42); }); // a safety net only
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"The settings have changed.\r\nDo you wish to save the changes?"});
}
