// The tray component over the real Qt shell, on the offscreen platform.
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include "tray/ui/qttrayshell.h"

using namespace ov;

namespace {

IconPicture BlueIcon()
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::blue);
    IconPicture icon;
    icon.SetImages({img});
    return icon;
}

struct ShellFixture : ::testing::Test {
    QWidget mainWindow;
    QtTrayShell shell{&mainWindow};
    TrayIcon tray{shell};
    ShellFixture()
    {
        shell.SetMainWindow(&mainWindow);
        tray.SetIcon(BlueIcon());
    }
    QSystemTrayIcon* Icon() { return shell.TrayIconFor(tray.InstanceId()); }
};

} // namespace

TEST_F(ShellFixture, AddShowsModifyUpdatesDeleteRemoves)
{
    EXPECT_TRUE(tray.AddTrayIcon());
    ASSERT_NE(Icon(), nullptr);
    EXPECT_TRUE(Icon()->isVisible());
    EXPECT_FALSE(Icon()->icon().isNull());
    EXPECT_EQ(Icon()->contextMenu(), nullptr);
    EXPECT_FALSE(tray.AddTrayIcon()); // already there

    tray.SetHint("Orvella");
    EXPECT_EQ(Icon()->toolTip(), "Orvella");
    tray.SetShowHint(false);
    EXPECT_EQ(Icon()->toolTip(), "");

    EXPECT_TRUE(tray.DeleteTrayIcon());
    EXPECT_EQ(Icon(), nullptr);
    EXPECT_FALSE(tray.ModifyTrayIcon());
}

TEST_F(ShellFixture, ActivationsBecomeClicksAndMenu)
{
    int clicks = 0;
    std::vector<TrayMouseButton> downs;
    tray.OnClick = [&](TrayIcon&) { ++clicks; };
    tray.OnMouseDown = [&](TrayIcon&, TrayMouseButton b, Modifiers, int, int) { downs.push_back(b); };
    QMenu menu;
    menu.addAction("Settings");
    QtTrayMenu trayMenu(&menu);
    tray.SetPopupMenu(&trayMenu);
    tray.SetIconVisible(true);
    ASSERT_NE(Icon(), nullptr);

    emit Icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 1);
    emit Icon()->activated(QSystemTrayIcon::MiddleClick);
    emit Icon()->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(downs, (std::vector<TrayMouseButton>{TrayMouseButton::Left, TrayMouseButton::Middle, TrayMouseButton::Right}));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(trayMenu.PopupComponent(), &tray);
    menu.close();
}

TEST_F(ShellFixture, DoubleClickRunsTheMenuDefaultAction)
{
    QMenu menu;
    menu.addAction("First");
    QAction* def = menu.addAction("Second");
    menu.setDefaultAction(def);
    QSignalSpy triggered(def, &QAction::triggered);
    QtTrayMenu trayMenu(&menu);
    tray.SetPopupMenu(&trayMenu);
    tray.SetIconVisible(true);
    emit Icon()->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(triggered.count(), 1);
}

TEST_F(ShellFixture, DeferredClickArrivesThroughARealTimer)
{
    int clicks = 0;
    tray.OnClick = [&](TrayIcon&) { ++clicks; };
    tray.OnDblClick = [](TrayIcon&) {};
    tray.SetIconVisible(true);
    emit Icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(shell.RunningTimerCount(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(clicks, 1, 5000);
    EXPECT_EQ(shell.RunningTimerCount(), 0);
}

TEST_F(ShellFixture, StartsHiddenAndShowsAndHidesTheMainWindow)
{
    tray.OnStartup = [](TrayIcon&, bool& show) { show = false; };
    tray.SetIconVisible(true);
    tray.Loaded();
    EXPECT_FALSE(shell.ShowMainWindowAtStart());
    EXPECT_EQ(shell.RunningTimerCount(), 0); // idle costs nothing

    tray.ShowMainWindow();
    EXPECT_TRUE(mainWindow.isVisible());
    tray.HideMainWindow();
    EXPECT_FALSE(mainWindow.isVisible());
}

TEST_F(ShellFixture, MinimizingGoesToTheTrayWhenAsked)
{
    bool asked = false;
    tray.SetMinimizeToTray(true);
    tray.OnMinimizeToTray = [&](TrayIcon&) { asked = true; };
    mainWindow.show();
    mainWindow.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_FALSE(mainWindow.isMinimized());
    ASSERT_NE(Icon(), nullptr);
    EXPECT_TRUE(Icon()->isVisible());
}

TEST_F(ShellFixture, TaskbarNoticeReAddsAnIconThatWasTakenAway)
{
    tray.SetIconVisible(true);
    Icon()->hide(); // as if the area had dropped it
    shell.NotifyTaskbarCreated();
    EXPECT_TRUE(Icon()->isVisible());
}
