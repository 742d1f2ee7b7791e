// Without a notification area the main window is the way in.
#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "app/ui/ovNoTray.h"
#include "display/ui/ovMsgFrm.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "settings/ovIniFile.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"
#include "ui/ovWidgetSupport.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

class NoTray : public ovtest::FormTest {
protected:
    // Two lists, the first ticked; the window shown in this mode.
    TMainFrm& Start()
    {
        exe->MakeCategory("A", {{"a", "a1\r\na2\r\n"}, {"b", "b1\r\n"}});
        exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n[A-Affirmations]\n0=a:True\n1=b:False\n");
        TMainFrm& frm = MakeMain();
        EnterNoTrayMode(frm);
        frm.ShowMainWindow();
        return frm;
    }
    QPushButton* Button(const char* name) { return main->findChild<QPushButton*>(QLatin1String(name)); }
};

TEST_F(NoTray, PhrasesFlashOnlyWhileMinimisedAndTakeUpTheTicksWithoutAsking)
{
    TMainFrm& frm = Start();
    EXPECT_TRUE(frm.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_NE(frm.windowType(), Qt::Tool); // listed by the desktop, so it can be found again
    frm.Tmr_Display->Fire();
    EXPECT_FALSE(MsgFrm->isVisible());

    frm.MessagesPage->AffirmList->item(1)->setCheckState(Qt::Checked); // not saved
    ASSERT_TRUE(frm.State.MessagesDirty);
    Button("btn_Minimize")->click();
    ASSERT_TRUE(frm.isMinimized());
    EXPECT_EQ(frm.State.Pool.Count(), 3u);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(ov::IniFile(exe->SettingsFile()).ReadString("A-Affirmations", "1", ""), "b:False");
    frm.Tmr_Display->Fire();
    EXPECT_TRUE(MsgFrm->isVisible());
}

TEST_F(NoTray, BarRunsTheMenuCommandsAndClosingWhileMinimisedStillAsks)
{
    TMainFrm& frm = Start();
    Button("btn_Pause")->click();
    EXPECT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
    frm.mnu_Pause->trigger(); // the same state, whichever way it changes
    EXPECT_FALSE(Button("btn_Pause")->isChecked());
    EXPECT_TRUE(frm.Tmr_Display->Enabled());
    Button("btn_Settings")->click();
    EXPECT_EQ(frm.Pages->currentIndex(), 1);

    frm.SettingsPage->SpinEdit2->setValue(5);
    frm.showMinimized();
    Answer(ov::MsgResult::No);
    QTimer::singleShot(0, [&] { frm.close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(42); }); // a safety net only
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"The settings have changed.\r\nDo you wish to save the changes?"});
}
