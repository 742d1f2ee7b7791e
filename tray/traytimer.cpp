#include "tray/traytimer.h"
#include <unordered_map>

namespace ov {

namespace {

// Ids are never reused, so a late tick of a destroyed timer cannot reach a
// newer one.
std::uintptr_t g_nextTimerId = 1;

std::unordered_map<std::uintptr_t, TrayTimer*>& LiveTimers()
{
    static std::unordered_map<std::uintptr_t, TrayTimer*> timers;
    return timers;
}

} // namespace

TrayTimer::TrayTimer(ITimerShell& shell, unsigned period, TickHandler onTick)
    : shell_(shell), timerId_(g_nextTimerId++), period_(period), onTick_(std::move(onTick))
{
    TrayTimerHandler::Register(this);
}

TrayTimer::~TrayTimer()
{
    if (active_ || running_)
        StopTicking(true);
    TrayTimerHandler::Unregister(this);
}

bool TrayTimer::StartTicking()
{
    if (period_ == 0)
        return false;
    if (active_)
        StopTicking(true);
    const std::uintptr_t id = timerId_;
    const bool ok = shell_.SetTimer(id, period_, [id] { TrayTimerHandler::WindowProc(WM_TIMER, id, 0); });
    if (ok) {
        active_ = true;
        running_ = true;
    }
    return ok;
}

bool TrayTimer::StopTicking(bool clear)
{
    if (clear)
        active_ = false;
    running_ = false;
    return shell_.KillTimer(timerId_);
}

void TrayTimer::SetActive(bool value)
{
    if (value)
        StartTicking();
    else
        StopTicking(true);
}

void TrayTimer::SetPeriod(unsigned value)
{
    if (value == period_)
        return;
    period_ = value;
    if (!active_)
        return;
    if (period_ != 0)
        StartTicking();
    else
        StopTicking(false);
}

void TrayTimer::SetOnTick(TickHandler handler)
{
    onTick_ = std::move(handler);
    if (!active_)
        return;
    if (!onTick_)
        StopTicking(false);
    else if (!running_)
        // Resumes a timer that rested for want of a handler; left resting it
        // would claim to be active and never tick.
        StartTicking();
}

void TrayTimer::Tick()
{
    // The handler may destroy the timer (and itself with it): call a copy.
    if (auto handler = onTick_)
        handler(*this);
}

LParam TrayTimerHandler::WindowProc(unsigned msg, WParam wParam, LParam)
{
    if (msg != WM_TIMER)
        return 0;
    auto& timers = LiveTimers();
    auto it = timers.find(wParam);
    if (it != timers.end())
        it->second->Tick();
    return 0;
}

int TrayTimerHandler::UserCount()
{
    return static_cast<int>(LiveTimers().size());
}

void TrayTimerHandler::Register(TrayTimer* timer)
{
    LiveTimers()[timer->TimerId()] = timer;
}

void TrayTimerHandler::Unregister(TrayTimer* timer)
{
    LiveTimers().erase(timer->TimerId());
}

} // namespace ov
