#pragma once
#include <cstdint>
#include <functional>
#include "tray/trayconstants.h"
#include "tray/trayimages.h"

// The platform operations the tray component and its timers decide over.
// The real shell drives the desktop's notification area; tests use a fake
// that records every call.
namespace ov {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// What one add, modify, delete or set-version call hands the shell.
struct NotifyIconData {
    uint32_t cbSize = 0;
    uint32_t uID = 0;              // the component's InstanceId
    uint32_t uFlags = 0;
    uint32_t uCallbackMessage = 0;
    IconImages hIcon;             // empty: no icon
    char szTip[128] = {};          // NUL-terminated tooltip, empty: none
    uint32_t uVersion = 0;
};

// Window-less timers: one platform timer per running simple timer.
class ITimerShell {
public:
    virtual ~ITimerShell() = default;
    // Starts (or restarts) the timer `id`; onTick runs every periodMs until
    // KillTimer. Answers whether the platform accepted it.
    virtual bool SetTimer(std::uintptr_t id, unsigned periodMs, std::function<void()> onTick) = 0;
    virtual bool KillTimer(std::uintptr_t id) = 0;
};

// Sees every message of the application window first; answering true would
// consume it.
class IAppHook {
public:
    virtual bool AppHook(unsigned msg, WParam wParam, LParam lParam) = 0;

protected:
    ~IAppHook() = default;
};

// Stands in the owner window's message chain. Answering true consumes the
// message with `result`; false passes it on to the rest of the chain.
class IOwnerHook {
public:
    virtual bool OwnerMessage(unsigned msg, WParam wParam, LParam lParam, LParam& result) = 0;

protected:
    ~IOwnerHook() = default;
};

class ITrayShell : public ITimerShell {
public:
    // Notification area: op is NIM_ADD, NIM_MODIFY, NIM_DELETE or
    // NIM_SETVERSION; answers the platform's success. Mouse activity on an
    // icon comes back as TrayIconHandler::Callback(uID, code).
    virtual bool NotifyIcon(unsigned op, const NotifyIconData& data) = 0;

    // Input
    virtual bool GetCursorPos(ScreenPoint& pos) = 0;
    virtual int16_t GetAsyncKeyState(int vk) = 0; // top bit set: key down
    virtual unsigned GetDoubleClickTime() = 0;

    // Application object. Its hook list also receives TaskbarCreatedMessage
    // when the notification area has been re-created.
    virtual void AddApplicationHook(IAppHook* hook) = 0;
    virtual void RemoveApplicationHook(IAppHook* hook) = 0;
    virtual bool HasMainWindow() = 0;
    virtual bool MainWindowIsMdiParent() = 0;
    virtual bool MainWindowMinimized() = 0;
    virtual void SetMainWindowNormal() = 0;
    virtual void SetMainWindowVisible(bool visible) = 0;
    virtual void RestoreApplication() = 0;
    virtual void SetShowMainWindowAtStart(bool show) = 0;
    virtual void ProcessPendingMessages() = 0;
    virtual bool Terminating() = 0;
    virtual bool ApplicationWindowVisible() = 0; // the taskbar button
    virtual void HideApplicationWindow() = 0;
    virtual void SetForegroundApplication() = 0;

    // Owner window
    virtual bool OwnerIsWindow() = 0;
    virtual void HookOwnerWindow(IOwnerHook* hook) = 0;
    virtual void UnhookOwnerWindow(IOwnerHook* hook) = 0;
    virtual void SetForegroundOwner() = 0;
    virtual void PostNullToOwner() = 0;
};

} // namespace ov
