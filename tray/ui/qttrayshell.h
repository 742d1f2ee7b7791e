#pragma once
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>
#include "tray/trayicon.h"

class QDBusServiceWatcher;
class QTimer;

namespace ov {

// The tray component's shell on a Qt desktop: one QSystemTrayIcon per tray
// icon, QTimer for the window-less timers, QCursor and the style hints for
// the input queries, and the owner widget as the main window.
//
// The component opens its menu itself on a right press. A StatusNotifierItem
// host, though, draws an item's menu itself from the DBusMenu the item
// exports and never asks the item to open one: there, and only there, the
// program's menu is also given to each QSystemTrayIcon to export.
class QtTrayShell : public QObject, public ITrayShell {
    Q_OBJECT
public:
    // owner: the window that owns the tray component (null: not a window).
    explicit QtTrayShell(QWidget* owner, QObject* parent = nullptr);
    ~QtTrayShell() override;

    // The application's main window, once it has finished construction.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    // The menu a StatusNotifierItem host shows on its own; set it before the
    // icon is added, as hosts read it when the icon registers.
    void SetHostMenu(QMenu* menu) { hostMenu_ = menu; }
    // Whether Qt's tray icons speak StatusNotifierItem in this process.
    static bool StatusNotifierHost();
    // Consulted by the program's start: whether to show the main window.
    bool ShowMainWindowAtStart() const { return showMainWindowAtStart_; }
    // For tests and diagnostics.
    QSystemTrayIcon* TrayIconFor(uint32_t id) const;
    int RunningTimerCount() const;
    // The notification area came back: tell every hooked tray component.
    void NotifyTaskbarCreated();

    bool NotifyIcon(unsigned op, const NotifyIconData& data) override;
    bool GetCursorPos(ScreenPoint& pos) override;
    int16_t GetAsyncKeyState(int vk) override;
    unsigned GetDoubleClickTime() override;
    bool SetTimer(std::uintptr_t id, unsigned periodMs, std::function<void()> onTick) override;
    bool KillTimer(std::uintptr_t id) override;

    void AddApplicationHook(IAppHook* hook) override;
    void RemoveApplicationHook(IAppHook* hook) override;
    bool HasMainWindow() override { return !mainWindow_.isNull(); }
    bool MainWindowIsMdiParent() override { return false; }
    bool MainWindowMinimized() override;
    void SetMainWindowNormal() override;
    void SetMainWindowVisible(bool visible) override;
    void RestoreApplication() override {}
    void SetShowMainWindowAtStart(bool show) override { showMainWindowAtStart_ = show; }
    void ProcessPendingMessages() override;
    bool Terminating() override { return terminating_; }
    // Qt has no separate application window carrying a taskbar button; the
    // main window is a tool window with none.
    bool ApplicationWindowVisible() override { return false; }
    void HideApplicationWindow() override {}
    void SetForegroundApplication() override;

    bool OwnerIsWindow() override { return !owner_.isNull(); }
    void HookOwnerWindow(IOwnerHook* hook) override;
    void UnhookOwnerWindow(IOwnerHook* hook) override;
    void SetForegroundOwner() override;
    // A Windows menu needs it to close properly; a QMenu does not.
    void PostNullToOwner() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnActivated(uint32_t id, QSystemTrayIcon::ActivationReason reason);
    bool SendOwnerMessage(unsigned msg, WParam w, LParam l);

    QPointer<QWidget> owner_;
    QPointer<QWidget> mainWindow_;
    QPointer<QMenu> hostMenu_;
    std::map<uint32_t, QSystemTrayIcon*> icons_;
    std::map<std::uintptr_t, QTimer*> timers_;
    std::vector<IAppHook*> appHooks_;
    std::vector<IOwnerHook*> ownerHooks_;
    QDBusServiceWatcher* trayWatcher_ = nullptr;
    bool showMainWindowAtStart_ = true;
    bool terminating_ = false;
};

// The program's popup menu as the tray component sees it. The menu's
// default action is its default item.
class QtTrayMenu : public ITrayMenu {
public:
    explicit QtTrayMenu(QMenu* menu) : menu_(menu) {}
    ~QtTrayMenu() override = default;

    QMenu* Menu() const { return menu_; }
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    const void* PopupComponent() const { return popupComponent_; }

    bool AutoPopup() const override { return autoPopup_ && menu_; }
    int ItemCount() const override;
    bool ItemIsDefault(int index) const override;
    void ClickItem(int index) override;
    void SetPopupComponent(const void* component) override { popupComponent_ = component; }
    void Popup(int x, int y) override;

private:
    QPointer<QMenu> menu_;
    bool autoPopup_ = true;
    const void* popupComponent_ = nullptr;
};

} // namespace ov
