#include <gtest/gtest.h>
#include <memory>
#include "FakeTrayShell.h"
#include "tray/SimpleTimer.h"

using namespace ov;

TEST(SimpleTimer, StartsOnlyWithAPeriodAndTicksUntilStopped)
{
    FakeTrayShell shell;
    int ticks = 0;
    TSimpleTimer timer(shell, 0, [&](TSimpleTimer&) { ++ticks; });
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

TEST(SimpleTimer, DefaultPeriodIsOneSecondAndAFailedStartStaysInactive)
{
    FakeTrayShell shell;
    TSimpleTimer timer(shell);
    EXPECT_EQ(timer.Period(), 1000u);
    shell.timersFail = true;
    EXPECT_FALSE(timer.StartTicking());
    EXPECT_FALSE(timer.Active());
}

TEST(SimpleTimer, PeriodZeroRestsWhileActiveAndANewPeriodResumes)
{
    FakeTrayShell shell;
    TSimpleTimer timer(shell, 100, [](TSimpleTimer&) {});
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

TEST(SimpleTimer, EmptyHandlerRestsWhileActiveAndANewHandlerResumes)
{
    FakeTrayShell shell;
    int ticks = 0;
    TSimpleTimer timer(shell, 100, [&](TSimpleTimer&) { ++ticks; });
    timer.SetActive(true);
    timer.SetOnTick({});
    EXPECT_TRUE(timer.Active());
    EXPECT_FALSE(shell.Running(timer));
    timer.SetOnTick([&](TSimpleTimer&) { ticks += 10; });
    ASSERT_TRUE(shell.Running(timer));
    shell.Fire(timer);
    EXPECT_EQ(ticks, 10);
    // An inactive timer does not start because it got a handler.
    timer.SetActive(false);
    timer.SetOnTick([](TSimpleTimer&) {});
    EXPECT_FALSE(shell.Running(timer));
}

TEST(SimpleTimer, SharedHandlerCountsUsersAndDropsTicksOfGoneTimers)
{
    FakeTrayShell shell;
    const int before = TSimpleTimerHandler::UserCount();
    int ticks = 0;
    auto a = std::make_unique<TSimpleTimer>(shell, 10, [&](TSimpleTimer&) { ++ticks; });
    auto b = std::make_unique<TSimpleTimer>(shell, 10, [&](TSimpleTimer&) { ticks += 100; });
    EXPECT_EQ(TSimpleTimerHandler::UserCount(), before + 2);
    EXPECT_NE(a->TimerId(), b->TimerId());
    EXPECT_TRUE(TSimpleTimerHandler::Exists());

    a->SetActive(true);
    const std::uintptr_t idA = a->TimerId();
    TSimpleTimerHandler::WindowProc(WM_TIMER, idA, 0);
    EXPECT_EQ(ticks, 1);
    a.reset(); // destruction stops the platform timer
    EXPECT_TRUE(shell.timers.empty());
    EXPECT_EQ(TSimpleTimerHandler::UserCount(), before + 1);
    TSimpleTimerHandler::WindowProc(WM_TIMER, idA, 0);
    EXPECT_EQ(ticks, 1);
    b.reset();
    EXPECT_EQ(TSimpleTimerHandler::UserCount(), before);
}

TEST(SimpleTimer, TickHandlerMayDestroyItsTimer)
{
    FakeTrayShell shell;
    auto timer = std::make_unique<TSimpleTimer>(shell, 10);
    timer->SetOnTick([&](TSimpleTimer&) { timer.reset(); });
    timer->SetActive(true);
    shell.Fire(*timer);
    EXPECT_EQ(timer, nullptr);
    EXPECT_TRUE(shell.timers.empty());
}
