#include "tray/trayicon.h"
#include <cstring>

namespace ov {

namespace {

// Ids are never reused, so a late callback for a removed icon cannot reach
// a newer one.
uint32_t g_nextInstanceId = 1;

constexpr uint32_t kNotifyDataSize = 488;
constexpr size_t kTipBytes = sizeof(NotifyIconData::szTip);

} // namespace

std::string TrimTrayTip(const std::string& hint)
{
    if (hint.size() < kTipBytes)
        return hint;
    size_t cut = kTipBytes - 1;
    // Back off continuation bytes so a multi-byte character is dropped whole
    // rather than left half in the tooltip.
    while (cut > 0 && (static_cast<unsigned char>(hint[cut]) & 0xC0) == 0x80)
        --cut;
    return hint.substr(0, cut);
}

TrayIcon::TrayIcon(ITrayShell& shell)
    : shell_(shell), instanceId_(g_nextInstanceId++)
{
    TrayIconHandler::Register(this);

    icon_.OnChange = [this] {
        if (!iconChangeMuted_)
            ModifyTrayIcon();
    };

    nid_.cbSize = kNotifyDataSize;
    nid_.uID = instanceId_;
    nid_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid_.uCallbackMessage = TrayCallbackMessage;

    cycleTicker_ = std::make_unique<TrayTimer>(shell_, 1000, [this](TrayTimer&) { CycleTick(); });
    clickDelayTimer_ = std::make_unique<TrayTimer>(shell_, 1000, [this](TrayTimer&) { ClickDelayTick(); });
    leavePollTimer_ = std::make_unique<TrayTimer>(shell_, 20, [this](TrayTimer&) { LeavePollTick(); });

    shell_.AddApplicationHook(this);
    if (shell_.OwnerIsWindow()) {
        shell_.HookOwnerWindow(this);
        ownerHooked_ = true;
    }
}

TrayIcon::~TrayIcon()
{
    *alive_ = false;
    SetIconVisible(false);
    designPreview_ = false;
    cycleTicker_.reset();
    clickDelayTimer_.reset();
    leavePollTimer_.reset();
    icon_.OnChange = nullptr;
    if (iconList_)
        iconList_->RemoveFreeListener(this);
    if (popupMenu_)
        popupMenu_->RemoveFreeListener(this);
    shell_.RemoveApplicationHook(this);
    if (ownerHooked_)
        shell_.UnhookOwnerWindow(this);
    TrayIconHandler::Unregister(this);
}

void TrayIcon::Loaded()
{
    if (shell_.OwnerIsWindow()) {
        bool showMainWindow = true;
        if (auto h = OnStartup)
            h(*this, showMainWindow);
        if (!showMainWindow) {
            shell_.SetShowMainWindowAtStart(false);
            HideMainWindow();
        }
    }
    ModifyTrayIcon();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExit_);
    SetNotifyMode(notifyMode_);
}

bool TrayIcon::PrepareNotifyData()
{
    nid_.hIcon = icon_.Images();
    std::memset(nid_.szTip, 0, kTipBytes);
    if (!hint_.empty() && showHint_) {
        const std::string tip = TrimTrayTip(hint_);
        std::memcpy(nid_.szTip, tip.data(), tip.size());
    }
    return true;
}

bool TrayIcon::AddTrayIcon()
{
    if (!previewChanging_)
        iconVisible_ = true;
    PrepareNotifyData();
    return shell_.NotifyIcon(NIM_ADD, nid_);
}

bool TrayIcon::DeleteTrayIcon()
{
    if (!previewChanging_)
        iconVisible_ = false;
    PrepareNotifyData();
    return shell_.NotifyIcon(NIM_DELETE, nid_);
}

bool TrayIcon::ModifyTrayIcon()
{
    PrepareNotifyData();
    return shell_.NotifyIcon(NIM_MODIFY, nid_);
}

bool TrayIcon::SetNotifyMode(int v)
{
    notifyMode_ = v;
    if (v == 0)
        nid_.uVersion = 0;
    else if (v == 1)
        nid_.uVersion = 3;
    return shell_.NotifyIcon(NIM_SETVERSION, nid_);
}

// ---- properties ----

void TrayIcon::SetIconList(IconSequence* list)
{
    if (iconList_ && iconList_ != list)
        iconList_->RemoveFreeListener(this);
    iconList_ = list;
    if (iconList_)
        iconList_->AddFreeListener(this);
    SetIconIndex(0);
}

void TrayIcon::SetCycleIcons(bool v)
{
    cycleIcons_ = v;
    if (v) {
        SetIconIndex(0);
        cycleTicker_->SetPeriod(cycleInterval_);
        cycleTicker_->SetActive(true);
    } else {
        cycleTicker_->SetActive(false);
    }
}

void TrayIcon::SetCycleInterval(uint32_t ms)
{
    cycleInterval_ = ms;
    SetCycleIcons(cycleIcons_);
}

void TrayIcon::SetHint(const std::string& v)
{
    hint_ = v;
    ModifyTrayIcon();
}

void TrayIcon::SetShowHint(bool v)
{
    showHint_ = v;
    ModifyTrayIcon();
}

void TrayIcon::SetIcon(const IconPicture& v)
{
    iconChangeMuted_ = true;
    icon_.Assign(v);
    iconChangeMuted_ = false;
    ModifyTrayIcon();
}

void TrayIcon::SetIconVisible(bool v)
{
    if (v)
        AddTrayIcon();
    else
        DeleteTrayIcon();
}

void TrayIcon::SetIconIndex(int32_t v)
{
    // An empty list or a negative index has no image to show; both fall back
    // to 0 rather than reading outside the list.
    if (iconList_ && iconList_->Count() > 0) {
        const int count = iconList_->Count();
        if (v >= count)
            v = count - 1;
        if (v < 0)
            v = 0;
        iconIndex_ = v;
        iconChangeMuted_ = true;
        icon_.SetImages(iconList_->Get(iconIndex_));
        iconChangeMuted_ = false;
    } else {
        iconIndex_ = 0;
    }
    ModifyTrayIcon();
}

void TrayIcon::SetPopupMenu(ITrayMenu* menu)
{
    if (popupMenu_ && popupMenu_ != menu)
        popupMenu_->RemoveFreeListener(this);
    popupMenu_ = menu;
    if (popupMenu_)
        popupMenu_->AddFreeListener(this);
}

void TrayIcon::SetWantEnterExitEvents(bool v)
{
    wantEnterExit_ = v;
    leavePollTimer_->SetActive(v);
}

void TrayIcon::FreeNotification(FreeNotifier* gone)
{
    if (iconList_ && gone == static_cast<FreeNotifier*>(iconList_)) {
        iconList_ = nullptr; // the list has already forgotten us
        SetIconList(nullptr);
    }
    if (popupMenu_ && gone == static_cast<FreeNotifier*>(popupMenu_))
        popupMenu_ = nullptr;
}

// ---- main window ----

void TrayIcon::ShowMainWindow()
{
    if (!shell_.OwnerIsWindow() || !shell_.HasMainWindow())
        return;
    shell_.RestoreApplication();
    if (shell_.MainWindowMinimized())
        shell_.SetMainWindowNormal();
    shell_.SetMainWindowVisible(true);
    shell_.SetForegroundApplication();
}

void TrayIcon::HideMainWindow()
{
    if (!shell_.OwnerIsWindow() || !shell_.HasMainWindow())
        return;
    shell_.SetMainWindowVisible(false);
    HideTaskbarButton();
}

void TrayIcon::HideTaskbarButton()
{
    if (shell_.ApplicationWindowVisible())
        shell_.HideApplicationWindow();
}

void TrayIcon::MinimizeIntoTray()
{
    HideMainWindow();
    SetIconVisible(true);
}

// ---- dispatchers ----

// A handler may destroy the component, and with it the handler itself:
// each runs from a copy.
void TrayIcon::FireClick() { if (auto h = OnClick) h(*this); }
void TrayIcon::FireDblClick() { if (auto h = OnDblClick) h(*this); }
void TrayIcon::FireCycle(int nextIndex) { if (auto h = OnCycle) h(*this, nextIndex); }
void TrayIcon::FireMouseDown(TrayMouseButton b, Modifiers s, int x, int y) { if (auto h = OnMouseDown) h(*this, b, s, x, y); }
void TrayIcon::FireMouseUp(TrayMouseButton b, Modifiers s, int x, int y) { if (auto h = OnMouseUp) h(*this, b, s, x, y); }
void TrayIcon::FireMouseMove(Modifiers s, int x, int y) { if (auto h = OnMouseMove) h(*this, s, x, y); }
void TrayIcon::FireMouseEnter() { if (auto h = OnMouseEnter) h(*this); }
void TrayIcon::FireMouseExit() { if (auto h = OnMouseExit) h(*this); }

} // namespace ov
