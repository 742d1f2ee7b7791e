#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace ov {

// A window-message style timer: an enabled flag and an interval, where
// setting the interval of an enabled timer restarts its count-down and an
// interval of 0 never fires. Timeout handlers run on the UI thread.
//
// A precise timer keeps its deadline on a thread of its own, to the
// microsecond: the event loop's own timers wait whole milliseconds (rounded
// up, twice over under GLib), and a busy machine wakes the UI thread late.
// The thread asks for real-time scheduling where the system grants it (the
// right to it, or RealtimeKit) and runs without it where not.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* parent = nullptr, int intervalMs = 1000, bool enabled = true);
    ~IntervalTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    void SetPrecise(bool precise);
    // Enables the timer with its count-down started at start (a moment
    // already past), to the microsecond where the timer is precise.
    void StartFrom(std::chrono::steady_clock::time_point start);
    // A precise timer runs action on its own thread at the deadline itself,
    // before timeout reaches the UI thread, so what must happen on time
    // does not wait for a busy UI thread. It must be quick and safe to call
    // from another thread. An empty one clears it; once this returns, the
    // earlier action is not running and never runs again.
    void SetDeadlineAction(std::function<void()> action);
    // True when the precise timer's thread runs with real-time priority.
    bool RealTime() const;
    // For tests: runs the handler as if the timer had fired.
    void Fire() { emit timeout(); }

signals:
    void timeout();

private:
    struct Precise;
    void Restart(int64_t startNs = 0);
    void OnDeadline(uint64_t generation);
    QTimer timer_;
    std::unique_ptr<Precise> precise_;
    bool enabled_;
    int interval_;
};

} // namespace ov
