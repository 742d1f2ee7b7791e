#include "platform/intervaltimer.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#ifdef __linux__
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>
#endif

namespace ov {

#ifdef __linux__
namespace {
// A process woken from its sleep runs a tenth of a millisecond or more
// after the time it asked for; a precise timer wakes this much before its
// deadline and waits out the rest on the clock.
constexpr int64_t WakeLeadNs = 400'000;

int64_t NowNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

timespec Timespec(int64_t ns)
{
    return {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}
} // namespace
#endif

IntervalTimer::IntervalTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), enabled_(enabled), interval_(intervalMs)
{
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::timeout);
    Restart();
}

IntervalTimer::~IntervalTimer()
{
#ifdef __linux__
    delete notifier_;
    if (fd_ >= 0) close(fd_);
#endif
}

void IntervalTimer::SetEnabled(bool on)
{
    if (on == enabled_) return;
    enabled_ = on;
    Restart();
}

void IntervalTimer::SetInterval(int ms)
{
    interval_ = ms < 0 ? 0 : ms;
    Restart();
}

void IntervalTimer::SetPrecise(bool precise)
{
    timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
#ifdef __linux__
    if (precise && fd_ < 0) {
        fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ >= 0) {
            notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
            connect(notifier_, &QSocketNotifier::activated, this, &IntervalTimer::OnDescriptor);
        }
    } else if (!precise && fd_ >= 0) {
        delete notifier_;
        notifier_ = nullptr;
        close(fd_);
        fd_ = -1;
    }
#endif
    Restart();
}

void IntervalTimer::Restart()
{
    timer_.stop();
    const bool run = enabled_ && interval_ > 0;
#ifdef __linux__
    if (fd_ >= 0) {
        // Periodic from the first deadline on, so repeats do not drift.
        itimerspec wake {};
        if (run) {
            const int64_t interval = int64_t(interval_) * 1'000'000;
            deadline_ = NowNs() + interval;
            wake.it_value = Timespec(deadline_ - WakeLeadNs);
            wake.it_interval = Timespec(interval);
        }
        if (timerfd_settime(fd_, TFD_TIMER_ABSTIME, &wake, nullptr) == 0) {
            // A stale expiry must not fire the new count-down early.
            uint64_t expiries = 0;
            [[maybe_unused]] ssize_t n = read(fd_, &expiries, sizeof expiries);
            return;
        }
    }
#endif
    if (run) timer_.start(interval_);
}

void IntervalTimer::OnDescriptor()
{
#ifdef __linux__
    uint64_t expiries = 0;
    // Nothing to read: the count-down was restarted after the wake-up.
    if (read(fd_, &expiries, sizeof expiries) != ssize_t(sizeof expiries) || expiries == 0) return;
    if (!enabled_ || interval_ <= 0) return;
    int64_t now = NowNs();
    while (now < deadline_)
        now = NowNs();
    // Several expiries missed while the loop was busy fire once, as a
    // window-message timer does.
    const int64_t interval = int64_t(interval_) * 1'000'000;
    while (deadline_ <= now)
        deadline_ += interval;
    emit timeout();
#endif
}

} // namespace ov
