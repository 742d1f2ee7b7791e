#include "platform/intervaltimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

// Runs the loop until `done` holds; the deadline only keeps a broken timer
// from hanging the suite.
template <class Pred> bool RunUntil(Pred done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

} // namespace

// A precise timer never fires before its deadline, the first or a repeat,
// keeps its count when restarted from its own handler, and stays quiet once
// disabled.
TEST(PreciseTimer, FiresNeverEarlyRepeatsAndStopsWhenDisabled)
{
    int argc = 1;
    char name[] = "unit_platform";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

    ov::IntervalTimer timer(nullptr, 20, false);
    timer.SetPrecise(true);
    int fired = 0;
    qint64 firstAt = -1, thirdAt = -1;
    QElapsedTimer clock;
    QObject::connect(&timer, &ov::IntervalTimer::timeout, [&] {
        if (++fired == 1) firstAt = clock.nsecsElapsed();
        if (fired == 3) {
            thirdAt = clock.nsecsElapsed();
            timer.SetEnabled(false);
        }
    });
    clock.start();
    timer.SetEnabled(true);
    ASSERT_TRUE(RunUntil([&] { return fired >= 3; }));
    EXPECT_GE(firstAt, 20LL * 1000 * 1000);
    EXPECT_GE(thirdAt, 60LL * 1000 * 1000);

    // Disabled from its handler: no more ticks, however long the loop runs.
    timer.SetInterval(1);
    QElapsedTimer idle;
    idle.start();
    RunUntil([&] { return idle.elapsed() >= 50; });
    EXPECT_EQ(fired, 3);

    // Re-enabled with a new interval, it counts from the new start.
    clock.restart();
    firstAt = -1;
    fired = 0;
    timer.SetInterval(30);
    timer.SetEnabled(true);
    ASSERT_TRUE(RunUntil([&] { return fired >= 1; }));
    EXPECT_GE(firstAt, 30LL * 1000 * 1000);
}

// The deadline action runs on the timer's own thread, never before the
// deadline and before the UI thread hears of it; a count-down restarted
// before its deadline runs nothing early, and a cleared action never runs.
TEST(PreciseTimer, DeadlineActionRunsOnTimeOffTheUiThreadAndStopsWhenCleared)
{
    int argc = 1;
    char name[] = "unit_platform";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

    ov::IntervalTimer timer(nullptr, 40, false);
    timer.SetPrecise(true);
    std::atomic<int> actions {0};
    std::atomic<qint64> actionAt {-1};
    std::atomic<bool> offUiThread {false};
    QElapsedTimer clock;
    const std::thread::id ui = std::this_thread::get_id();
    timer.SetDeadlineAction([&] {
        if (actions++ == 0) actionAt = clock.nsecsElapsed();
        offUiThread = std::this_thread::get_id() != ui;
    });
    int fired = 0, actionsSeenAtFirstTimeout = -1;
    QObject::connect(&timer, &ov::IntervalTimer::timeout, [&] {
        if (++fired == 1) actionsSeenAtFirstTimeout = actions;
        timer.SetEnabled(false);
    });
    clock.start();
    timer.SetEnabled(true);
    timer.SetInterval(60); // restarted: the first count-down is void
    ASSERT_TRUE(RunUntil([&] { return fired >= 1; }));
    EXPECT_GE(actionAt.load(), 60LL * 1000 * 1000);
    EXPECT_EQ(actionsSeenAtFirstTimeout, 1);
    EXPECT_TRUE(offUiThread);

    timer.SetDeadlineAction(nullptr);
    const int before = actions;
    timer.SetInterval(1);
    timer.SetEnabled(true);
    ASSERT_TRUE(RunUntil([&] { return fired >= 2; }));
    EXPECT_EQ(actions, before);

    // Started from a moment long past, its deadline is past too: it fires
    // well before a twin started now.
    ov::IntervalTimer twin(nullptr, 1000, false);
    twin.SetPrecise(true);
    timer.SetInterval(1000);
    std::vector<const char*> order;
    QObject::connect(&twin, &ov::IntervalTimer::timeout, [&] { order.push_back("now"); twin.SetEnabled(false); });
    QObject::connect(&timer, &ov::IntervalTimer::timeout, [&] { order.push_back("past"); });
    twin.SetEnabled(true);
    timer.StartFrom(std::chrono::steady_clock::now() - std::chrono::seconds(5));
    ASSERT_TRUE(RunUntil([&] { return order.size() >= 2; }));
    EXPECT_STREQ(order[0], "past");
}
