#include "platform/intervaltimer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#endif

namespace ov {

namespace {
// A thread woken from its sleep runs a tenth of a millisecond or more after
// the time it asked for; a precise timer wakes this much before its
// deadline and waits out the rest on the clock.
constexpr int64_t WakeLeadNs = 400'000;

int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

#ifdef __linux__
// The lowest real-time priority is above every ordinary process, which is
// all a timer needs, and below the sound servers' threads.
constexpr int RealTimePriority = 1;
// RealtimeKit grants real-time scheduling only to a process that limits
// the CPU time a real-time thread may take without sleeping; ours sleeps
// after half a millisecond at most.
constexpr rlim_t RealTimeLimitUs = 200'000;

bool AskRealtimeKit(pid_t thread)
{
    if (!QCoreApplication::instance())
        return false;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.RealtimeKit1"),
                                       QStringLiteral("/org/freedesktop/RealtimeKit1"),
                                       QStringLiteral("org.freedesktop.RealtimeKit1"), QStringLiteral("MakeThreadRealtime"));
    call << quint64(thread) << quint32(RealTimePriority);
    return bus.call(call, QDBus::Block, 2000).type() == QDBusMessage::ReplyMessage;
}

// Real-time scheduling for the calling thread where the system grants it;
// quietly none where not.
bool MakeRealTime()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_RTTIME, &limit) == 0 && (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > RealTimeLimitUs)) {
        limit.rlim_cur = limit.rlim_max = RealTimeLimitUs;
        setrlimit(RLIMIT_RTTIME, &limit);
    }
    sched_param param {};
    param.sched_priority = RealTimePriority;
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0)
        return true;
    return AskRealtimeKit(pid_t(gettid()));
}
#else
bool MakeRealTime() { return false; }
#endif
} // namespace

struct IntervalTimer::Precise {
    std::mutex m;
    std::condition_variable wake;
    int64_t deadline = 0; // monotonic ns; 0 while not counting down
    int64_t interval = 0;
    uint64_t generation = 0;
    bool quit = false;
    std::function<void()> action;
    std::atomic<bool> realTime {false};
    std::thread thread;

    void Run(IntervalTimer* owner)
    {
        realTime = MakeRealTime();
        std::unique_lock<std::mutex> lock(m);
        while (!quit) {
            if (deadline == 0) {
                wake.wait(lock);
                continue;
            }
            if (NowNs() < deadline - WakeLeadNs) {
                wake.wait_until(lock, std::chrono::steady_clock::time_point(
                                          std::chrono::nanoseconds(deadline - WakeLeadNs)));
                continue; // woken early, or the count-down changed
            }
            const int64_t due = deadline;
            const uint64_t counted = generation;
            lock.unlock();
            while (NowNs() < due) {
            }
            lock.lock();
            if (quit || counted != generation)
                continue; // restarted meanwhile: the new count-down rules
            if (action)
                action();
            // Several deadlines missed fire once, as a window-message timer
            // does; a repeat counts from the deadline, so it does not drift.
            const int64_t now = NowNs();
            while (deadline <= now)
                deadline += interval;
            QMetaObject::invokeMethod(owner, [owner, counted] { owner->OnDeadline(counted); }, Qt::QueuedConnection);
        }
    }
};

IntervalTimer::IntervalTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), enabled_(enabled), interval_(intervalMs)
{
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::timeout);
    Restart();
}

IntervalTimer::~IntervalTimer() { SetPrecise(false); }

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
    if (precise && !precise_) {
        precise_ = std::make_unique<Precise>();
        precise_->thread = std::thread([p = precise_.get(), this] { p->Run(this); });
    } else if (!precise && precise_) {
        {
            std::lock_guard<std::mutex> lock(precise_->m);
            precise_->quit = true;
        }
        precise_->wake.notify_one();
        precise_->thread.join();
        precise_.reset();
    }
    Restart();
}

void IntervalTimer::SetDeadlineAction(std::function<void()> action)
{
    if (!precise_)
        return;
    std::lock_guard<std::mutex> lock(precise_->m);
    precise_->action = std::move(action);
}

bool IntervalTimer::RealTime() const { return precise_ && precise_->realTime; }

void IntervalTimer::StartFrom(std::chrono::steady_clock::time_point start)
{
    enabled_ = true;
    Restart(std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count());
}

void IntervalTimer::Restart(int64_t startNs)
{
    timer_.stop();
    const bool run = enabled_ && interval_ > 0;
    if (precise_) {
        {
            std::lock_guard<std::mutex> lock(precise_->m);
            // A deadline already reached must not fire the new count-down.
            ++precise_->generation;
            precise_->interval = int64_t(interval_) * 1'000'000;
            const int64_t now = NowNs();
            precise_->deadline = run ? std::min(now, startNs > 0 ? startNs : now) + precise_->interval : 0;
        }
        precise_->wake.notify_one();
        return;
    }
    if (run) timer_.start(interval_);
}

void IntervalTimer::OnDeadline(uint64_t generation)
{
    if (!precise_)
        return; // made coarse since
    {
        std::lock_guard<std::mutex> lock(precise_->m);
        if (generation != precise_->generation)
            return;
    }
    if (enabled_ && interval_ > 0)
        emit timeout();
}

} // namespace ov
