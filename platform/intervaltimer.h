#pragma once
#include <QObject>
#include <QTimer>
#include <cstdint>

class QSocketNotifier;

namespace ov {

// A window-message style timer: an enabled flag and an interval, where
// setting the interval of an enabled timer restarts its count-down and an
// interval of 0 never fires. Timeout handlers run on the UI thread.
//
// A precise timer fires at its deadline to the microsecond where the system
// has a timer descriptor: the event loop's own timers wait whole
// milliseconds (rounded up, twice over under GLib), which would keep a
// 25 ms phrase on the screen a millisecond or more too long.
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
    // For tests: runs the handler as if the timer had fired.
    void Fire() { emit timeout(); }

signals:
    void timeout();

private:
    void Restart();
    void OnDescriptor();
    QTimer timer_;
    int fd_ = -1;                       // the timer descriptor of a precise timer
    int64_t deadline_ = 0;              // its next deadline, monotonic clock, ns
    QSocketNotifier* notifier_ = nullptr;
    bool enabled_;
    int interval_;
};

} // namespace ov
