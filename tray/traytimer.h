#pragma once
#include <cstdint>
#include <functional>
#include "tray/trayshell.h"

namespace ov {

// A repeating timer that needs no window of its own: all simple timers run
// on one shared handler.
class TrayTimer {
public:
    using TickHandler = std::function<void(TrayTimer&)>;

    explicit TrayTimer(ITimerShell& shell, unsigned period = 1000, TickHandler onTick = {});
    ~TrayTimer();
    TrayTimer(const TrayTimer&) = delete;
    TrayTimer& operator=(const TrayTimer&) = delete;

    // Period 0 refuses to start. A running timer restarts.
    bool StartTicking();
    // clear: also drop Active (false keeps it, so a later period or handler
    // can resume the timer).
    bool StopTicking(bool clear = true);

    bool Active() const { return active_; }
    void SetActive(bool value);
    unsigned Period() const { return period_; }
    void SetPeriod(unsigned value);
    const TickHandler& OnTick() const { return onTick_; }
    void SetOnTick(TickHandler handler);

    std::uintptr_t TimerId() const { return timerId_; }
    // Whether the platform timer is running right now (Active may be on
    // while it rests for lack of a period or a handler).
    bool Running() const { return running_; }

private:
    friend class TrayTimerHandler;
    void Tick();

    ITimerShell& shell_;
    std::uintptr_t timerId_;
    bool active_ = false;
    bool running_ = false;
    unsigned period_;
    TickHandler onTick_;
};

// The shared handler every simple timer's ticks arrive at. A tick carries
// the timer's id; a tick for a timer that is gone goes nowhere.
class TrayTimerHandler {
public:
    // WM_TIMER with wParam = TimerId calls that timer; answers 0. Other
    // messages get the default answer 0 as well.
    static LParam WindowProc(unsigned msg, WParam wParam, LParam lParam);
    static int UserCount();
    static bool Exists() { return UserCount() > 0; }

private:
    friend class TrayTimer;
    static void Register(TrayTimer* timer);
    static void Unregister(TrayTimer* timer);
};

} // namespace ov
