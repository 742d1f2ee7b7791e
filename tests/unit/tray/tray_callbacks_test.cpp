// Callback routing and the click / double-click decision.
#include "tray_test_support.h"

using namespace ov;

TEST_F(TrayTest, LeftClickWithoutDoubleClickHandlerClicksAtRelease)
{
    LogMouseEvents();
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(Take(), (Log{"down L 100,200", "click", "up L"}));
    EXPECT_FALSE(shell.Running(tray->ClickDelayTimer())); // nothing left running
}

TEST_F(TrayTest, DoubleClickWithoutHandlerIsOneClickThenDefaultItemChoice)
{
    FakeMenu menu(shell.log);
    menu.defaults = {false, true, true};
    tray->SetPopupMenu(&menu);
    LogMouseEvents();
    Take();
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    Send(WM_LBUTTONDBLCLK);
    Send(WM_LBUTTONUP);
    // The first default item in menu order runs.
    EXPECT_EQ(Take(), (Log{"down L 100,200", "click", "up L", "item 1", "up L"}));
}

TEST_F(TrayTest, SingleClickWithDoubleClickHandlerWaitsOneDoubleClickTime)
{
    LogMouseEvents();
    LogDoubleClicks();
    shell.doubleClickTime = 430;
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(Take(), (Log{"down L 100,200", "up L"}));
    ASSERT_TRUE(shell.Running(tray->ClickDelayTimer()));
    EXPECT_EQ(shell.PeriodOf(tray->ClickDelayTimer()), 430u);

    shell.Fire(tray->ClickDelayTimer());
    EXPECT_EQ(Take(), (Log{"click"}));
    EXPECT_FALSE(shell.Running(tray->ClickDelayTimer()));
    EXPECT_FALSE(tray->ClickDelayTimer().Active());

    // The next single click is decided the same way.
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    shell.Fire(tray->ClickDelayTimer());
    EXPECT_EQ(Take(), (Log{"down L 100,200", "up L", "click"}));
}

TEST_F(TrayTest, DoubleClickWithHandlerRaisesNoClick)
{
    LogMouseEvents();
    LogDoubleClicks();
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    Send(WM_LBUTTONDBLCLK);
    Send(WM_LBUTTONUP);
    shell.Fire(tray->ClickDelayTimer());
    EXPECT_EQ(Take(), (Log{"down L 100,200", "up L", "dblclick", "up L"}));

    // The double click is forgotten after the tick: a later click counts.
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
    shell.Fire(tray->ClickDelayTimer());
    EXPECT_EQ(Take(), (Log{"down L 100,200", "up L", "click"}));
}

TEST_F(TrayTest, NoDefaultItemRunsWithLeftPopupOrWithoutAutoPopup)
{
    FakeMenu menu(shell.log);
    menu.defaults = {true, false, false};
    tray->SetPopupMenu(&menu);
    tray->SetLeftPopup(true);
    Send(WM_LBUTTONDBLCLK);
    EXPECT_EQ(Take(), Log{});
    tray->SetLeftPopup(false);
    menu.autoPopup = false;
    Send(WM_LBUTTONDBLCLK);
    EXPECT_EQ(Take(), Log{});
}

TEST_F(TrayTest, RightPressOpensMenuAtPointerBeforeRelease)
{
    FakeMenu menu(shell.log);
    tray->SetPopupMenu(&menu);
    LogMouseEvents();
    Take();
    shell.cursor = {640, 470};
    Send(WM_RBUTTONDOWN);
    EXPECT_EQ(Take(), (Log{"down R 640,470", "foreground app", "process", "popup 640,470", "post null"}));
    EXPECT_EQ(menu.popupComponent, tray.get());
    Send(WM_RBUTTONUP);
    EXPECT_EQ(Take(), (Log{"up R"}));
}

TEST_F(TrayTest, MenuStaysClosedWithoutMenuAutoPopupOrPointer)
{
    Send(WM_RBUTTONDOWN); // no menu at all
    FakeMenu menu(shell.log);
    tray->SetPopupMenu(&menu);
    menu.autoPopup = false;
    Send(WM_RBUTTONDOWN);
    menu.autoPopup = true;
    shell.cursorOk = false;
    Send(WM_RBUTTONDOWN);
    EXPECT_EQ(Take(), Log{});
}

TEST_F(TrayTest, LeftPopupOpensMenuOnLeftPress)
{
    FakeMenu menu(shell.log);
    tray->SetPopupMenu(&menu);
    tray->SetLeftPopup(true);
    Take();
    Send(WM_LBUTTONDOWN);
    EXPECT_EQ(Take(), (Log{"foreground app", "process", "popup 100,200", "post null"}));
}

TEST_F(TrayTest, MenuDestroyedWhilePendingMessagesRunIsNotOpened)
{
    auto menu = std::make_unique<FakeMenu>(shell.log);
    tray->SetPopupMenu(menu.get());
    shell.onProcessPending = [&] { menu.reset(); };
    Send(WM_RBUTTONDOWN);
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_EQ(Take(), (Log{"foreground app", "process"}));
}

TEST_F(TrayTest, ButtonsCarryModifiersAndTheirOwnFlag)
{
    std::vector<Modifiers> seen;
    tray->OnMouseDown = [&](TrayIcon&, TrayMouseButton, Modifiers s, int, int) { seen.push_back(s); };
    tray->OnMouseUp = [&](TrayIcon&, TrayMouseButton, Modifiers s, int, int) { seen.push_back(s); };
    shell.keysDown = {VK_SHIFT, VK_MENU};
    Send(WM_MBUTTONDOWN);
    shell.keysDown = {VK_CONTROL};
    Send(WM_MBUTTONUP);
    Send(WM_RBUTTONDOWN);
    EXPECT_EQ(seen, (std::vector<Modifiers>{ssShift | ssAlt | ssMiddle, ssCtrl | ssMiddle, ssCtrl | ssRight}));
}

TEST_F(TrayTest, NotifyModeDecidesWhichCodesRaiseRightRelease)
{
    LogMouseEvents();
    for (unsigned code : {WM_CONTEXTMENU, NIN_SELECT, NIN_KEYSELECT})
        Send(code);
    Send(WM_RBUTTONUP);
    EXPECT_EQ(Take(), (Log{"up R"}));

    tray->SetNotifyMode(1);
    Take();
    EXPECT_EQ(tray->NotifyData().uVersion, 3u);
    for (unsigned code : {WM_CONTEXTMENU, NIN_SELECT, NIN_KEYSELECT})
        Send(code);
    Send(WM_RBUTTONUP);
    EXPECT_EQ(Take(), (Log{"up R", "up R", "up R"}));
}

TEST_F(TrayTest, DisabledIgnoresMouseButNotBalloons)
{
    FakeMenu menu(shell.log);
    tray->SetPopupMenu(&menu);
    LogMouseEvents();
    LogDoubleClicks();
    int balloons = 0;
    tray->OnBalloonHintShow = tray->OnBalloonHintHide = tray->OnBalloonHintTimeout =
        tray->OnBalloonHintClick = [&](TrayIcon&) { ++balloons; };
    tray->SetEnabled(false);
    Take();
    for (unsigned code : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                          WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP})
        Send(code);
    EXPECT_EQ(Take(), Log{});
    EXPECT_FALSE(shell.Running(tray->ClickDelayTimer()));
    for (unsigned code : {NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT, NIN_BALLOONUSERCLICK})
        Send(code);
    EXPECT_EQ(balloons, 4);
}

TEST_F(TrayTest, EachBalloonCodeRaisesItsOwnEvent)
{
    std::string seen;
    tray->OnBalloonHintShow = [&](TrayIcon&) { seen += "S"; };
    tray->OnBalloonHintHide = [&](TrayIcon&) { seen += "H"; };
    tray->OnBalloonHintTimeout = [&](TrayIcon&) { seen += "T"; };
    tray->OnBalloonHintClick = [&](TrayIcon&) { seen += "C"; };
    Send(NIN_BALLOONUSERCLICK);
    Send(NIN_BALLOONSHOW);
    Send(NIN_BALLOONTIMEOUT);
    Send(NIN_BALLOONHIDE);
    EXPECT_EQ(seen, "CSTH");
}

TEST_F(TrayTest, HandlerRoutesByInstanceAndAnswersClosingMessages)
{
    TrayIcon other(shell);
    int clicksA = 0, clicksB = 0;
    tray->OnClick = [&](TrayIcon&) { ++clicksA; };
    other.OnClick = [&](TrayIcon&) { ++clicksB; };
    TrayIconHandler::Callback(other.InstanceId(), WM_LBUTTONDOWN);
    TrayIconHandler::Callback(other.InstanceId(), WM_LBUTTONUP);
    EXPECT_EQ(clicksA, 0);
    EXPECT_EQ(clicksB, 1);
    // A callback for an icon that no longer exists goes nowhere.
    const uint32_t goneId = tray->InstanceId();
    tray.reset();
    TrayIconHandler::Callback(goneId, WM_LBUTTONDOWN);
    EXPECT_EQ(clicksA, 0);

    for (unsigned msg : {WM_DESTROY, WM_CLOSE, WM_QUERYENDSESSION, WM_QUIT, WM_ENDSESSION, WM_NCDESTROY})
        EXPECT_EQ(TrayIconHandler::WindowProc(msg, 0, 0), 1) << msg;
    EXPECT_EQ(TrayIconHandler::WindowProc(WM_TIMER, 0, 0), 0);
}

TEST_F(TrayTest, ClickHandlerMayDestroyTheIcon)
{
    tray->OnClick = [&](TrayIcon&) { tray.reset(); };
    tray->OnMouseUp = [&](TrayIcon&, TrayMouseButton, Modifiers, int, int) { shell.log.push_back("up after destroy"); };
    Send(WM_LBUTTONDOWN);
    ov::TrayIconHandler::Callback(tray->InstanceId(), WM_LBUTTONUP);
    EXPECT_EQ(tray, nullptr);
    EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), "up after destroy"), 0);
}

TEST_F(TrayTest, EnterOnFirstMoveAndExitWhenPointerLeaves)
{
    LogMouseEvents();
    Send(WM_MOUSEMOVE); // without enter/exit events: only the move
    EXPECT_EQ(Take(), (Log{"move 100,200"}));
    EXPECT_FALSE(shell.Running(tray->LeavePollTimer()));

    tray->SetWantEnterExitEvents(true);
    ASSERT_TRUE(shell.Running(tray->LeavePollTimer()));
    EXPECT_EQ(shell.PeriodOf(tray->LeavePollTimer()), 20u);
    Send(WM_MOUSEMOVE);
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(Take(), (Log{"enter", "move 100,200", "move 100,200"}));

    shell.Fire(tray->LeavePollTimer()); // pointer still where it was
    EXPECT_EQ(Take(), Log{});
    shell.cursor = {100, 201};
    shell.Fire(tray->LeavePollTimer());
    shell.Fire(tray->LeavePollTimer());
    EXPECT_EQ(Take(), (Log{"exit"}));

    Send(WM_MOUSEMOVE);
    EXPECT_EQ(Take(), (Log{"enter", "move 100,201"}));

    tray->SetWantEnterExitEvents(false);
    EXPECT_FALSE(shell.Running(tray->LeavePollTimer()));
}
