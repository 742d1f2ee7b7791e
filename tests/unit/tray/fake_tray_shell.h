#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "tray/trayicon.h"

// Records every platform call the tray component makes, in one log, and
// behaves like the notification area: an add of a present icon fails, a
// modify or delete of an absent one fails.
class FakeTrayShell : public ov::ITrayShell {
public:
    std::vector<std::string> log;
    std::set<uint32_t> present;            // icons in the area
    std::vector<ov::NotifyIconData> calls; // every NotifyIcon, in order

    struct Timer {
        unsigned period;
        std::function<void()> tick;
    };
    std::map<std::uintptr_t, Timer> timers; // running platform timers
    bool timersFail = false;

    ov::ScreenPoint cursor{100, 200};
    bool cursorOk = true;
    std::set<int> keysDown;
    unsigned doubleClickTime = 500;

    std::vector<ov::IAppHook*> appHooks;
    std::vector<ov::IOwnerHook*> ownerHooks;
    bool ownerIsWindow = true;
    bool hasMainWindow = true;
    bool mdiParent = false;
    bool mainMinimized = false;
    bool mainVisible = false;
    bool appWindowVisible = true;
    bool terminating = false;
    bool showMainWindowAtStart = true;
    std::function<void()> onProcessPending;

    bool NotifyIcon(unsigned op, const ov::NotifyIconData& d) override
    {
        calls.push_back(d);
        bool ok = false;
        const char* name = "?";
        switch (op) {
        case ov::NIM_ADD: name = "add"; ok = present.insert(d.uID).second; break;
        case ov::NIM_MODIFY: name = "modify"; ok = present.count(d.uID) > 0; break;
        case ov::NIM_DELETE: name = "delete"; ok = present.erase(d.uID) > 0; break;
        case ov::NIM_SETVERSION: name = "setversion"; ok = present.count(d.uID) > 0; break;
        }
        log.push_back(std::string(name) + (ok ? "" : " (failed)"));
        return ok;
    }
    std::string LastTip() const { return calls.empty() ? "" : std::string(calls.back().szTip); }

    bool GetCursorPos(ov::ScreenPoint& p) override
    {
        if (cursorOk)
            p = cursor;
        return cursorOk;
    }
    int16_t GetAsyncKeyState(int vk) override { return keysDown.count(vk) ? int16_t(0x8000) : 0; }
    unsigned GetDoubleClickTime() override { return doubleClickTime; }

    bool SetTimer(std::uintptr_t id, unsigned ms, std::function<void()> tick) override
    {
        if (timersFail)
            return false;
        timers[id] = {ms, std::move(tick)};
        return true;
    }
    bool KillTimer(std::uintptr_t id) override { return timers.erase(id) > 0; }
    bool Running(const ov::TrayTimer& t) const { return timers.count(t.TimerId()) > 0; }
    unsigned PeriodOf(const ov::TrayTimer& t) const { return timers.at(t.TimerId()).period; }
    // Delivers one tick the way the platform would.
    void Fire(const ov::TrayTimer& t)
    {
        auto it = timers.find(t.TimerId());
        if (it != timers.end()) {
            auto tick = it->second.tick; // the tick may stop the timer
            tick();
        }
    }

    void AddApplicationHook(ov::IAppHook* h) override { appHooks.push_back(h); }
    void RemoveApplicationHook(ov::IAppHook* h) override { std::erase(appHooks, h); }
    bool HasMainWindow() override { return hasMainWindow; }
    bool MainWindowIsMdiParent() override { return mdiParent; }
    bool MainWindowMinimized() override { return mainMinimized; }
    void SetMainWindowNormal() override { mainMinimized = false; log.push_back("normal"); }
    void SetMainWindowVisible(bool v) override { mainVisible = v; log.push_back(v ? "main shown" : "main hidden"); }
    void RestoreApplication() override { log.push_back("restore"); }
    void SetShowMainWindowAtStart(bool v) override { showMainWindowAtStart = v; }
    void ProcessPendingMessages() override
    {
        log.push_back("process");
        if (onProcessPending)
            onProcessPending();
    }
    bool Terminating() override { return terminating; }
    bool ApplicationWindowVisible() override { return appWindowVisible; }
    void HideApplicationWindow() override { appWindowVisible = false; log.push_back("app hidden"); }
    void SetForegroundApplication() override { log.push_back("foreground app"); }

    bool OwnerIsWindow() override { return ownerIsWindow; }
    void HookOwnerWindow(ov::IOwnerHook* h) override { ownerHooks.push_back(h); }
    void UnhookOwnerWindow(ov::IOwnerHook* h) override { std::erase(ownerHooks, h); }
    void SetForegroundOwner() override { log.push_back("foreground owner"); }
    void PostNullToOwner() override { log.push_back("post null"); }
};

class FakeMenu : public ov::ITrayMenu {
public:
    explicit FakeMenu(std::vector<std::string>& log) : log_(log) {}
    bool autoPopup = true;
    std::vector<bool> defaults{false, false, false};
    const void* popupComponent = nullptr;

    bool AutoPopup() const override { return autoPopup; }
    int ItemCount() const override { return static_cast<int>(defaults.size()); }
    bool ItemIsDefault(int i) const override { return defaults[static_cast<size_t>(i)]; }
    void ClickItem(int i) override { log_.push_back("item " + std::to_string(i)); }
    void SetPopupComponent(const void* c) override { popupComponent = c; }
    void Popup(int x, int y) override { log_.push_back("popup " + std::to_string(x) + "," + std::to_string(y)); }

private:
    std::vector<std::string>& log_;
};
