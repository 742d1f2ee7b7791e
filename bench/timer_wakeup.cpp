// How late the precise timer's own thread runs its deadline action, the
// moment the phrase's unmap leaves, and how late the UI thread hears of it:
// 60 deadlines of 100 ms, |lateness| median / p95 / max. Run it beside
// three CPU-bound processes to see it under load, and as a user without
// the right to real-time scheduling to see the fallback.
//
//   timer_wakeup [DEADLINES] [MS]
#include "platform/intervaltimer.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

void Print(const char* what, const std::vector<double>& late)
{
    if (late.empty())
        return;
    std::printf("%s: %zu, |lateness| median %.3f ms, p95 %.3f ms, max %.3f ms\n", what, late.size(),
                Percentile(late, 0.5), Percentile(late, 0.95), *std::max_element(late.begin(), late.end()));
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int wanted = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const int ms = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;

    ov::IntervalTimer timer(nullptr, ms, false);
    timer.SetPrecise(true);
    Clock::time_point started;
    std::atomic<Clock::rep> actionAt {0};
    // The first action of each count-down: a late UI thread lets the
    // repeating timer fire again meanwhile.
    timer.SetDeadlineAction([&] {
        Clock::rep none = 0;
        actionAt.compare_exchange_strong(none, Clock::now().time_since_epoch().count());
    });
    std::vector<double> action, ui;
    QObject::connect(&timer, &ov::IntervalTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        const Clock::time_point deadline = started + std::chrono::milliseconds(ms);
        action.push_back(std::abs(Ms(Clock::time_point(Clock::duration(actionAt.load())) - deadline)));
        ui.push_back(std::abs(Ms(now - deadline)));
        timer.SetEnabled(false);
        if (int(action.size()) >= wanted) {
            app.quit();
            return;
        }
        // The next count-down a little later, as a phrase's comes after
        // the interval.
        QTimer::singleShot(20, [&] {
            actionAt = 0;
            started = Clock::now();
            timer.SetEnabled(true);
        });
    });
    QTimer::singleShot(0, [&] {
        started = Clock::now();
        timer.SetEnabled(true);
    });
    app.exec();
    std::printf("timer thread %s real-time scheduling\n", timer.RealTime() ? "with" : "without");
    Print("deadline action (the unmap leaves)", action);
    Print("timeout on the UI thread", ui);
    return 0;
}
