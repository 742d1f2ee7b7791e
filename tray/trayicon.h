#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include "tray/traytimer.h"
#include "tray/trayshell.h"

namespace ov {

enum class TrayMouseButton { Left, Right, Middle };

enum ModifierFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
};
using Modifiers = unsigned; // a set of ModifierFlag

class TrayIcon;
using TrayEvent = std::function<void(TrayIcon& sender)>;
using TrayMouseEvent = std::function<void(TrayIcon& sender, TrayMouseButton button, Modifiers shift, int x, int y)>;
using TrayMouseMoveEvent = std::function<void(TrayIcon& sender, Modifiers shift, int x, int y)>;
using TrayCycleEvent = std::function<void(TrayIcon& sender, int nextIndex)>;
using TrayStartupEvent = std::function<void(TrayIcon& sender, bool& showMainWindow)>;

// One icon in the notification area. Turns the area's mouse callbacks into
// events, opens its popup menu on a right press, re-adds the icon when the
// area is re-created and hides or shows the application's main window for
// its owner. Every platform operation goes through the shell.
//
// Owner usage: construct it while the owner is built, set the properties,
// assign the events, then call Loaded() once all are applied.
class TrayIcon : private IAppHook, private IOwnerHook, private IFreeListener {
public:
    explicit TrayIcon(ITrayShell& shell);
    virtual ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The owner has applied all stored property values.
    void Loaded();

    // Notification-area operations; each answers the shell's success.
    virtual bool UseDefaultIcon() { return true; }
    virtual bool AddTrayIcon();
    virtual bool DeleteTrayIcon();
    virtual bool ModifyTrayIcon();

    // Main-window operations: nothing happens unless the owner is a window
    // and the application has a main window.
    void ShowMainWindow();
    void HideMainWindow();

    // Messages arriving from the platform, as plain calls.
    void HandleCallback(unsigned code);             // one tray callback event
    void HandleTaskbarCreated() { AppHook(TaskbarCreatedMessage, 0, 0); }
    bool HandleApplicationMessage(unsigned msg, WParam w, LParam l) { return AppHook(msg, w, l); }
    // Answers true when the message was consumed (result then holds its
    // answer); false means pass it on down the owner's chain.
    bool HandleOwnerMessage(unsigned msg, WParam w, LParam l, LParam& result) { return OwnerMessage(msg, w, l, result); }

    // Properties
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool v) { designPreview_ = v; } // no designer here
    IconSequence* IconList() const { return iconList_; }
    void SetIconList(IconSequence* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool v);
    uint32_t CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(uint32_t ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    // The owned icon; changing it directly updates the tray too.
    IconPicture& Icon() { return icon_; }
    void SetIcon(const IconPicture& v);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool v);
    int32_t IconIndex() const { return iconIndex_; }
    void SetIconIndex(int32_t v);
    ITrayMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ITrayMenu* menu);
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool v) { leftPopup_ = v; }
    bool WantEnterExitEvents() const { return wantEnterExit_; }
    void SetWantEnterExitEvents(bool v);
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool v) { minimizeToTray_ = v; }
    int NotifyMode() const { return notifyMode_; }
    bool SetNotifyMode(int v);

    uint32_t InstanceId() const { return instanceId_; }

    // Events
    TrayEvent OnClick, OnDblClick, OnMouseEnter, OnMouseExit, OnMinimizeToTray;
    TrayEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
    TrayMouseEvent OnMouseDown, OnMouseUp;
    TrayMouseMoveEvent OnMouseMove;
    TrayCycleEvent OnCycle;
    TrayStartupEvent OnStartup;

    // The component's timers, for inspection (tests, diagnostics).
    const TrayTimer& CycleTicker() const { return *cycleTicker_; }
    const TrayTimer& ClickDelayTimer() const { return *clickDelayTimer_; }
    const TrayTimer& LeavePollTimer() const { return *leavePollTimer_; }
    const NotifyIconData& NotifyData() const { return nid_; }

protected:
    // Dispatchers: each raises its event when a handler is assigned.
    virtual void FireClick();
    virtual void FireDblClick();
    virtual void FireCycle(int nextIndex);
    virtual void FireMouseDown(TrayMouseButton button, Modifiers shift, int x, int y);
    virtual void FireMouseUp(TrayMouseButton button, Modifiers shift, int x, int y);
    virtual void FireMouseMove(Modifiers shift, int x, int y);
    virtual void FireMouseEnter();
    virtual void FireMouseExit();
    virtual void MinimizeIntoTray();

private:
    bool AppHook(unsigned msg, WParam wParam, LParam lParam) override;
    bool OwnerMessage(unsigned msg, WParam wParam, LParam lParam, LParam& result) override;
    void FreeNotification(FreeNotifier* gone) override;

    bool PrepareNotifyData();
    void HideTaskbarButton();
    void OpenTrayMenu();
    void ChooseDefaultItem();
    Modifiers CurrentModifiers();
    void CycleTick();
    void ClickDelayTick();
    void LeavePollTick();

    ITrayShell& shell_;
    uint32_t instanceId_;
    NotifyIconData nid_;
    IconPicture icon_;
    bool iconChangeMuted_ = false;

    std::unique_ptr<TrayTimer> cycleTicker_, clickDelayTimer_, leavePollTimer_;

    bool designPreview_ = false;
    IconSequence* iconList_ = nullptr;
    bool cycleIcons_ = false;
    uint32_t cycleInterval_ = 0;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = true;
    bool iconVisible_ = false;
    int32_t iconIndex_ = 0;
    ITrayMenu* popupMenu_ = nullptr;
    bool leftPopup_ = false;
    bool wantEnterExit_ = false;
    bool minimizeToTray_ = false;
    int notifyMode_ = 0;

    bool leftPressed_ = false, clickPending_ = false, doubleClicked_ = false;
    bool pointerOutside_ = true, awaitingFirstPosChange_ = true, previewChanging_ = false;
    ScreenPoint lastPointerPos_;
    bool ownerHooked_ = false;
    // Cleared at destruction: a handler or a nested message loop may destroy
    // the component while one of its callbacks is still running.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The one handler all tray icons share: routes each callback to the live
// icon whose InstanceId it carries.
class TrayIconHandler {
public:
    // TrayCallbackMessage: wParam the InstanceId, lParam the event code.
    // The closing and session-end messages answer 1 and do nothing else.
    static LParam WindowProc(unsigned msg, WParam wParam, LParam lParam);
    static void Callback(uint32_t instanceId, unsigned code) { WindowProc(TrayCallbackMessage, instanceId, code); }
    static int UserCount();
    static bool Exists() { return UserCount() > 0; }

private:
    friend class TrayIcon;
    static void Register(TrayIcon* icon);
    static void Unregister(TrayIcon* icon);
};

// The tooltip the area shows for a hint: at most 127 bytes, never cut in the
// middle of a UTF-8 character.
std::string TrimTrayTip(const std::string& hint);

} // namespace ov
