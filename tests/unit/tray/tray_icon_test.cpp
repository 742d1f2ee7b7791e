// Icon state, the loaded step, the main-window operations and the hooks.
#include "tray_test_support.h"
#include <algorithm>

using namespace ov;

namespace {

IconImages Picture(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::blue);
    return {img};
}

int SizeOf(const IconImages& icon) { return icon.empty() ? 0 : icon.front().width(); }

} // namespace

TEST_F(TrayTest, TooltipIsHintCutTo127BytesAndOnlyWithShowHint)
{
    tray->SetIconVisible(true);
    tray->SetHint(std::string(200, 'a'));
    EXPECT_EQ(shell.LastTip(), std::string(127, 'a'));
    tray->SetHint("Orvella");
    EXPECT_EQ(shell.LastTip(), "Orvella");
    tray->SetShowHint(false);
    EXPECT_EQ(shell.LastTip(), "");
    EXPECT_TRUE(std::all_of(std::begin(shell.calls.back().szTip), std::end(shell.calls.back().szTip),
                            [](char c) { return c == 0; }));
    tray->SetShowHint(true);
    tray->SetHint("");
    EXPECT_EQ(shell.LastTip(), "");
}

TEST_F(TrayTest, TooltipCutNeverSplitsACharacter)
{
    // 126 ASCII bytes, then a 2-byte letter straddling byte 127.
    const std::string hint = std::string(126, 'a') + "\xC3\xA9" + "tail";
    tray->SetHint(hint);
    EXPECT_EQ(shell.LastTip(), std::string(126, 'a'));
    EXPECT_EQ(TrimTrayTip(std::string(127, 'b')), std::string(127, 'b'));
}

TEST_F(TrayTest, IconVisibleRecordsTheRequestAndASecondAddFails)
{
    tray->SetIconVisible(true);
    tray->SetIconVisible(true);
    EXPECT_EQ(Take(), (Log{"add", "add (failed)"}));
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_TRUE(shell.present.count(tray->InstanceId()));
    EXPECT_TRUE(tray->DeleteTrayIcon());
    EXPECT_FALSE(tray->IconVisible());
    EXPECT_FALSE(tray->ModifyTrayIcon()); // not in the area: fails, ignored
}

TEST_F(TrayTest, IconChangesReachTheTrayOnce)
{
    tray->SetIconVisible(true);
    Take();
    IconPicture given;
    given.SetImages(Picture(32));
    tray->SetIcon(given);
    EXPECT_EQ(Take(), (Log{"modify"}));
    EXPECT_EQ(SizeOf(shell.calls.back().hIcon), 32);
    // Changing the owned icon directly shows too (the program's start-up
    // replaces the picture this way).
    tray->Icon().SetImages(Picture(16));
    EXPECT_EQ(Take(), (Log{"modify"}));
    EXPECT_EQ(SizeOf(shell.calls.back().hIcon), 16);
}

TEST_F(TrayTest, IconIndexIsKeptInsideTheList)
{
    IconSequence list;
    list.Add(Picture(10));
    list.Add(Picture(11));
    list.Add(Picture(12));
    tray->SetIconList(&list);
    tray->SetIconIndex(5);
    EXPECT_EQ(tray->IconIndex(), 2);
    EXPECT_EQ(SizeOf(tray->Icon().Images()), 12);
    tray->SetIconIndex(-4);
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_EQ(SizeOf(tray->Icon().Images()), 10);

    tray->SetIconList(nullptr);
    tray->SetIconIndex(5);
    EXPECT_EQ(tray->IconIndex(), 0);
    IconSequence empty;
    tray->SetIconList(&empty);
    tray->SetIconIndex(3);
    EXPECT_EQ(tray->IconIndex(), 0);
}

TEST_F(TrayTest, DestroyedReferencesAreCleared)
{
    auto list = std::make_unique<IconSequence>();
    list->Add(Picture(10));
    list->Add(Picture(11));
    auto menu = std::make_unique<FakeMenu>(shell.log);
    tray->SetIconList(list.get());
    tray->SetIconIndex(1);
    tray->SetPopupMenu(menu.get());
    tray->SetIconVisible(true);
    Take();
    list.reset();
    EXPECT_EQ(tray->IconList(), nullptr);
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_EQ(Take(), (Log{"modify"}));
    menu.reset();
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    Send(WM_RBUTTONDOWN);
    EXPECT_EQ(Take(), Log{});
    // And the other way round: a list outliving the icon tells no one.
    IconSequence survivor;
    tray->SetIconList(&survivor);
    tray.reset();
}

TEST_F(TrayTest, CyclingStepsThroughTheListAndWraps)
{
    IconSequence list;
    list.Add(Picture(10));
    list.Add(Picture(11));
    list.Add(Picture(12));
    tray->SetIconList(&list);
    std::vector<int> next;
    tray->OnCycle = [&](TrayIcon&, int n) { next.push_back(n); };
    tray->SetCycleInterval(250);
    EXPECT_FALSE(shell.Running(tray->CycleTicker())); // cycling still off
    tray->SetCycleIcons(true);
    ASSERT_TRUE(shell.Running(tray->CycleTicker()));
    EXPECT_EQ(shell.PeriodOf(tray->CycleTicker()), 250u);
    for (int i = 0; i < 4; ++i)
        shell.Fire(tray->CycleTicker());
    EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(tray->IconIndex(), 1);
    EXPECT_EQ(SizeOf(tray->Icon().Images()), 11);
    tray->SetCycleIcons(false);
    EXPECT_FALSE(shell.Running(tray->CycleTicker()));
}

TEST_F(TrayTest, CyclingWithIntervalZeroNeverTicks)
{
    IconSequence list;
    list.Add(Picture(10));
    list.Add(Picture(11));
    tray->SetIconList(&list);
    tray->SetIconIndex(1);
    tray->SetCycleIcons(true);
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_FALSE(shell.Running(tray->CycleTicker()));
    // Turning the interval to 0 while cycling stops the ticks too.
    tray->SetCycleInterval(100);
    ASSERT_TRUE(shell.Running(tray->CycleTicker()));
    tray->SetCycleInterval(0);
    EXPECT_FALSE(shell.Running(tray->CycleTicker()));
}

TEST_F(TrayTest, ProgramSettingsLeaveNoTimerRunning)
{
    // The program's instance: no tooltip, visible, a menu, minimize to tray,
    // a click handler, cycling off.
    FakeMenu menu(shell.log);
    tray->SetCycleInterval(0);
    tray->SetShowHint(false);
    tray->SetIconVisible(true);
    tray->SetIconIndex(0);
    tray->SetPopupMenu(&menu);
    tray->SetMinimizeToTray(true);
    tray->OnClick = [](TrayIcon&) {};
    tray->Loaded();
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    EXPECT_TRUE(shell.timers.empty());
}

TEST_F(TrayTest, LoadedStepHidesAtStartAndReappliesState)
{
    bool asked = false;
    tray->OnStartup = [&](TrayIcon&, bool& show) {
        asked = true;
        EXPECT_TRUE(show);
        show = false;
    };
    tray->SetIconVisible(true);
    shell.hasMainWindow = false; // still under construction
    Take();
    tray->Loaded();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(shell.showMainWindowAtStart);
    // No main window yet: nothing to hide; then modify, the re-add that
    // fails, and the version.
    EXPECT_EQ(Take(), (Log{"modify", "add (failed)", "setversion"}));
    EXPECT_TRUE(shell.appWindowVisible);
}

TEST_F(TrayTest, LoadedStepWithMainWindowHidesItAndItsButton)
{
    tray->OnStartup = [](TrayIcon&, bool& show) { show = false; };
    Take();
    tray->Loaded();
    const Log log = Take();
    EXPECT_EQ(Log(log.begin(), log.begin() + 2), (Log{"main hidden", "app hidden"}));
    // Without a handler the main window is left to show.
    shell.showMainWindowAtStart = true;
    TrayIcon plain(shell);
    plain.Loaded();
    EXPECT_TRUE(shell.showMainWindowAtStart);
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "main hidden"), 0);
}

TEST_F(TrayTest, ShowAndHideMainWindow)
{
    shell.mainMinimized = true;
    Take();
    tray->ShowMainWindow();
    EXPECT_EQ(Take(), (Log{"restore", "normal", "main shown", "foreground app"}));
    tray->ShowMainWindow();
    EXPECT_EQ(Take(), (Log{"restore", "main shown", "foreground app"}));
    tray->HideMainWindow();
    EXPECT_EQ(Take(), (Log{"main hidden", "app hidden"}));
    tray->HideMainWindow(); // button already hidden
    EXPECT_EQ(Take(), (Log{"main hidden"}));

    shell.hasMainWindow = false;
    tray->ShowMainWindow();
    tray->HideMainWindow();
    EXPECT_EQ(Take(), Log{});
}

TEST_F(TrayTest, NotAWindowOwnerNeitherHooksNorTouchesTheMainWindow)
{
    shell.ownerIsWindow = false;
    TrayIcon windowless(shell);
    EXPECT_EQ(shell.ownerHooks.size(), 1u); // only the fixture's icon
    Take();
    windowless.ShowMainWindow();
    windowless.Loaded();
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "main shown"), 0);
}

TEST_F(TrayTest, TaskbarRecreationReAddsOnlyAVisibleIcon)
{
    tray->SetIconVisible(true);
    shell.present.clear(); // the area went away with its icons
    Take();
    for (IAppHook* h : shell.appHooks)
        h->AppHook(TaskbarCreatedMessage, 0, 0);
    EXPECT_EQ(Take(), (Log{"add"}));
    tray->SetIconVisible(false);
    Take();
    tray->HandleTaskbarCreated();
    EXPECT_EQ(Take(), Log{});
}

TEST_F(TrayTest, ApplicationHookMinimizesRestoresAndNeverConsumes)
{
    Take();
    EXPECT_FALSE(tray->HandleApplicationMessage(WM_SIZE, SIZE_MINIMIZED, 0)); // MinimizeToTray off
    EXPECT_EQ(Take(), Log{});
    tray->SetMinimizeToTray(true);
    EXPECT_FALSE(tray->HandleApplicationMessage(WM_SIZE, SIZE_MINIMIZED, 0));
    EXPECT_EQ(Take(), (Log{"main hidden", "app hidden", "add"}));
    EXPECT_FALSE(tray->HandleApplicationMessage(WM_SYSCOMMAND, SC_RESTORE, 0));
    EXPECT_EQ(Take(), (Log{"main shown"}));
    EXPECT_FALSE(tray->HandleApplicationMessage(WM_SYSCOMMAND, SC_RESTORE + 1, 0));
    EXPECT_EQ(Take(), Log{});
}

TEST_F(TrayTest, FirstPositionChangeAsksStartupOnlyForMdiParent)
{
    int asked = 0;
    tray->OnStartup = [&](TrayIcon&, bool& show) { ++asked; show = false; };
    tray->HandleApplicationMessage(WM_WINDOWPOSCHANGED, 0, 0);
    EXPECT_EQ(asked, 0);
    TrayIcon mdi(shell);
    mdi.OnStartup = tray->OnStartup;
    shell.mdiParent = true;
    Take();
    mdi.HandleApplicationMessage(WM_WINDOWPOSCHANGED, 0, 0);
    mdi.HandleApplicationMessage(WM_WINDOWPOSCHANGED, 0, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Take(), (Log{"app hidden"}));
}

TEST_F(TrayTest, OwnerWindowMessages)
{
    LParam result = 0;
    Take();
    EXPECT_FALSE(tray->HandleOwnerMessage(WM_SHOWWINDOW, 1, 0, result));
    EXPECT_EQ(Take(), (Log{"foreground app", "foreground owner"}));

    // Minimizing is intercepted only with MinimizeToTray and a handler.
    tray->SetMinimizeToTray(true);
    EXPECT_FALSE(tray->HandleOwnerMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0, result));
    tray->OnMinimizeToTray = [&](TrayIcon&) { shell.log.push_back("minimize event"); };
    EXPECT_TRUE(tray->HandleOwnerMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0, result));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Take(), (Log{"minimize event", "main hidden", "app hidden", "add"}));

    EXPECT_TRUE(tray->HandleOwnerMessage(WM_SHOWWINDOW, 0, SW_PARENTCLOSING, result));
    Take();
    shell.terminating = true;
    EXPECT_FALSE(tray->HandleOwnerMessage(WM_SHOWWINDOW, 0, SW_PARENTCLOSING, result));
    EXPECT_EQ(Take(), Log{});
}

TEST_F(TrayTest, DestructionRemovesIconHooksAndTimers)
{
    const int usersBefore = TrayIconHandler::UserCount();
    const int timersBefore = TrayTimerHandler::UserCount();
    tray->SetIconVisible(true);
    tray->SetWantEnterExitEvents(true);
    tray->OnDblClick = [](TrayIcon&) {};
    Send(WM_LBUTTONDOWN);
    EXPECT_EQ(shell.timers.size(), 2u);
    Take();
    tray.reset();
    EXPECT_EQ(Take(), (Log{"delete"}));
    EXPECT_TRUE(shell.present.empty());
    EXPECT_TRUE(shell.timers.empty());
    EXPECT_TRUE(shell.appHooks.empty());
    EXPECT_TRUE(shell.ownerHooks.empty());
    EXPECT_EQ(TrayIconHandler::UserCount(), usersBefore - 1);
    EXPECT_EQ(TrayTimerHandler::UserCount(), timersBefore - 3);
}
