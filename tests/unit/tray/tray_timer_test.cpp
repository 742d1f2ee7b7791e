#include <gtest/gtest.h>
#include <memory>
#include "fake_tray_shell.h"
#include "tray/traytimer.h"

using namespace ov;

TEST(TrayTimer, StartsOnlyWithAPeriodAndTicksUntilStopped)
{
    FakeTrayShell shell;
    int ticks = 0;
    TrayTimer timer(shell, 0, [&](TrayTimer&) { ++ticks; });
    EXPECT_FALSE(timer.StartTicking()); // period 0 refuses
    EXPECT_FALSE(timer.Active());

    timer.SetPeriod(40);
    EXPECT_FALSE(shell.Running(timer)); // a period alone does not start it
    timer.SetActive(true);
    ASSERT_TRUE(shell.Running(timer));
    EXPECT_EQ(shell.PeriodOf(timer), 40u);
    shell.Fire(timer);
    shell.Fire(timer);
    EXPECT_EQ(ticks, 2);
    timer.SetActive(false);
    EXPECT_FALSE(shell.Running(timer));
    EXPECT_FALSE(timer.Active());
}

TEST(TrayTimer, DefaultPeriodIsOneSecondAndAFailedStartStaysInactive)
{
    FakeTrayShell shell;
    TrayTimer timer(shell);
    EXPECT_EQ(timer.Period(), 1000u);
    shell.timersFail = true;
    EXPECT_FALSE(timer.StartTicking());
    EXPECT_FALSE(timer.Active());
}

TEST(TrayTimer, PeriodZeroRestsWhileActiveAndANewPeriodResumes)
{
    FakeTrayShell shell;
    TrayTimer timer(shell, 100, [](TrayTimer&) {});
    timer.SetActive(true);
    timer.SetPeriod(0);
    EXPECT_TRUE(timer.Active());
    EXPECT_FALSE(shell.Running(timer));
    timer.SetPeriod(70);
    ASSERT_TRUE(shell.Running(timer));
    EXPECT_EQ(shell.PeriodOf(timer), 70u);
    // A new period while running restarts with it; an equal one is no change.
    timer.SetPeriod(90);
    EXPECT_EQ(shell.PeriodOf(timer), 90u);
    shell.timers.clear();
    timer.SetPeriod(90);
    EXPECT_FALSE(shell.Running(timer));
}

TEST(TrayTimer, EmptyHandlerRestsWhileActiveAndANewHandlerResumes)
{
    FakeTrayShell shell;
    int ticks = 0;
    TrayTimer timer(shell, 100, [&](TrayTimer&) { ++ticks; });
    timer.SetActive(true);
    timer.SetOnTick({});
    EXPECT_TRUE(timer.Active());
    EXPECT_FALSE(shell.Running(timer));
    timer.SetOnTick([&](TrayTimer&) { ticks += 10; });
    ASSERT_TRUE(shell.Running(timer));
    shell.Fire(timer);
    EXPECT_EQ(ticks, 10);
    // An inactive timer does not start because it got a handler.
    timer.SetActive(false);
    timer.SetOnTick([](TrayTimer&) {});
    EXPECT_FALSE(shell.Running(timer));
}

TEST(TrayTimer, SharedHandlerCountsUsersAndDropsTicksOfGoneTimers)
{
    FakeTrayShell shell;
    const int before = TrayTimerHandler::UserCount();
    int ticks = 0;
    auto a = std::make_unique<TrayTimer>(shell, 10, [&](TrayTimer&) { ++ticks; });
    auto b = std::make_unique<TrayTimer>(shell, 10, [&](TrayTimer&) { ticks += 100; });
    EXPECT_EQ(TrayTimerHandler::UserCount(), before + 2);
    EXPECT_NE(a->TimerId(), b->TimerId());
    EXPECT_TRUE(TrayTimerHandler::Exists());

    a->SetActive(true);
    const std::uintptr_t idA = a->TimerId();
    TrayTimerHandler::WindowProc(WM_TIMER, idA, 0);
    EXPECT_EQ(ticks, 1);
    a.reset(); // destruction stops the platform timer
    EXPECT_TRUE(shell.timers.empty());
    EXPECT_EQ(TrayTimerHandler::UserCount(), before + 1);
    TrayTimerHandler::WindowProc(WM_TIMER, idA, 0);
    EXPECT_EQ(ticks, 1);
    b.reset();
    EXPECT_EQ(TrayTimerHandler::UserCount(), before);
}

TEST(TrayTimer, TickHandlerMayDestroyItsTimer)
{
    FakeTrayShell shell;
    auto timer = std::make_unique<TrayTimer>(shell, 10);
    timer->SetOnTick([&](TrayTimer&) { timer.reset(); });
    timer->SetActive(true);
    shell.Fire(*timer);
    EXPECT_EQ(timer, nullptr);
    EXPECT_TRUE(shell.timers.empty());
}
