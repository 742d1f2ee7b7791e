// The main window's life cycle and its road to and from the tray.
#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "app/ui/ovSessionEnd.h"
#include "display/ui/ovMsgFrm.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"
#include "tray/CoolTrayIcon.h"
#include "tray/ui/ovQtTrayShell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTabWidget>

namespace {

// Sees every event of the main window before the tray component's own
// filter; the session-end notice sets ExitRequested and passes on.
class THookFilter : public QObject {
public:
    explicit THookFilter(TMainFrm& frm) : QObject(&frm), frm_(frm) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        frm_.HookFormProc(event);
        return false;
    }

private:
    TMainFrm& frm_;
};

} // namespace

void TMainFrm::HookForm()
{
    if (hook_) return;
    hook_ = new THookFilter(*this);
    installEventFilter(hook_);
}

void TMainFrm::HookFormProc(QEvent* event)
{
    if (event->type() == TSessionEnd::QueryEndSession()) State.ExitRequested = true;
}

void TMainFrm::UnhookForm()
{
    if (!hook_) return;
    removeEventFilter(hook_);
    delete hook_;
    hook_ = nullptr;
}

bool TMainFrm::event(QEvent* event)
{
    if (event->type() == TSessionEnd::QueryEndSession()) {
        EndSession();
        return true;
    }
    return QWidget::event(event);
}

void TMainFrm::EndSession()
{
    // The hook has set ExitRequested already; set it here too, so the end
    // holds even after the hook is gone.
    State.ExitRequested = true;
    // The notice may arrive inside a box's or dialog's own loop: close them
    // all, so each handler that waits on one returns and nothing is asked.
    ov::CloseModalsForSessionEnd();
    close(); // the close query lets the window close
    Quit();
}

void TMainFrm::Quit()
{
    ending_ = true;
    // exit() rather than quit(): quit() first asks every window to close,
    // and the main window's close query would ask its questions.
    QCoreApplication::exit(0);
}

void TMainFrm::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    bool failed = true;
    ov::Guarded([&] {
        bool answer = true;
        FormCloseQuery(answer);
        canClose = answer;
        failed = false;
    });
    // A step that failed has been reported; the window stays open with the
    // user's work, as after an error in any other handler.
    if (failed && !State.ExitRequested) {
        if (!isVisible()) ShowMainWindow();
        Tmr_Display->SetEnabled(false);
        event->ignore();
        return;
    }
    if (!canClose && !State.ExitRequested) {
        event->ignore();
        return;
    }
    event->accept();
    // The main window closing for real ends the program.
    Quit();
}

void TMainFrm::FormCloseQuery(bool& CanClose)
{
    // The session is ending: nothing is asked, saved or reloaded.
    if (State.ExitRequested) {
        CanClose = true;
        return;
    }
    CanClose = false;
    const bool ordinary = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    if (ordinary) {
        if (MessagesPage->CountTickedLists() == 0) {
            ov::MessageBox::Show(ov::MsgKind::Warning,
                                 "No phrase list has been ticked to be displayed. Orvella has ticked the first list.",
                                 this);
            if (State.ExitRequested) {
                CanClose = true;
                return;
            }
            if (MessagesPage->AffirmList->count() > 0) MessagesPage->SetTicked(0, true);
        }
        // Each question saves only its own part: the settings are written
        // only when their own question is answered Yes.
        if (State.MessagesDirty && !State.ExitRequested
            && ov::MessageBox::Show(ov::MsgKind::Confirm,
                                    "The selected messages have changed.\r\nDo you wish to save the changes?", this)
                   == ov::MsgResult::Yes)
            MessagesPage->SaveTicksAndEditor();
        if (State.SettingsDirty && !State.ExitRequested
            && ov::MessageBox::Show(ov::MsgKind::Confirm,
                                    "The settings have changed.\r\nDo you wish to save the changes?", this)
                   == ov::MsgResult::Yes
            && !SaveSettings(DirListText()))
            return; // the reason was shown; the window stays open with the changes
        if (State.ExitRequested) {
            CanClose = true;
            return;
        }
        // Reloaded before the window hides, so a failure leaves it open.
        MessagesPage->LoadCategoryLists();
        ReturnToTray();
        Tmr_Display->SetEnabled(!mnu_Pause->isChecked());
    }
    // Without a notification area the close box is the only way out.
    CanClose = State.ExitRequested || NoTrayArea;
}

void TMainFrm::ReturnToTray()
{
    HideMainWindow();
    Tmr_Display->SetInterval(SettingsPage->SpinEdit2->Value() * 1000);
    Tmr_Display->SetEnabled(!mnu_Pause->isChecked());
}

void TMainFrm::FormDestroy()
{
    State.Pool.Clear();
    UnhookForm();
}

namespace {

// Until the branding gives the window its icon: a plain round mark, so the
// notification area never shows an empty slot.
QImage FallbackTrayImage()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 110, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(2, 2, 28, 28);
    p.setBrush(Qt::white);
    p.drawEllipse(10, 10, 12, 12);
    return image;
}

ov::TIconImages ImagesOf(const QIcon& icon)
{
    ov::TIconImages images;
    if (icon.isNull()) return {FallbackTrayImage()};
    for (int size : {16, 22, 24, 32, 48}) images.push_back(icon.pixmap(size, size).toImage());
    return images;
}

// Follows the main window's icon: the branding may replace it at start-up.
class TIconFollower : public QObject {
public:
    TIconFollower(TMainFrm& frm, ov::TCoolTrayIcon& tray) : QObject(&frm), frm_(frm), tray_(tray)
    {
        frm.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowIconChange) {
            ov::TIcon icon;
            icon.SetImages(ImagesOf(frm_.windowIcon()));
            tray_.SetIcon(icon);
        }
        return false;
    }

private:
    TMainFrm& frm_;
    ov::TCoolTrayIcon& tray_;
};

} // namespace

void TMainFrm::BuildShell()
{
    trayShell_ = new ov::QtTrayShell(this, this);
    trayMenu_ = new ov::QtTrayMenu(Mnu_Tray);
    Tray = new ov::TCoolTrayIcon(*trayShell_);
    Tray->SetCycleInterval(0);
    Tray->SetShowHint(false);
    ov::TIcon icon;
    icon.SetImages(ImagesOf(windowIcon()));
    Tray->SetIcon(icon);
    Tray->SetIconIndex(0);
    Tray->SetPopupMenu(trayMenu_);
    Tray->SetMinimizeToTray(true);
    trayShell_->SetHostMenu(Mnu_Tray);
    Tray->OnClick = [this](ov::TCoolTrayIcon&) { ov::Guarded([this] { TrayClick(); }); };
    Tray->OnStartup = [this](ov::TCoolTrayIcon&, bool& show) { TrayStartup(show); };
    Tray->SetIconVisible(true);
    new TIconFollower(*this, *Tray);
    trayShell_->SetMainWindow(this);
    Tray->Loaded();

    connect(Settings1, &QAction::triggered, this, [this] { ov::Guarded([this] { Settings1Click(); }); });
    connect(CloseAffirmationsApplication1, &QAction::triggered, this,
            [this] { ov::Guarded([this] { CloseAffirmationsApplication1Click(); }); });
    sessionEnd_ = new TSessionEnd(this);
}

void TMainFrm::DestroyShell()
{
    delete Tray; // removes the icon
    Tray = nullptr;
    delete trayMenu_;
    trayMenu_ = nullptr;
    // Qt's icons go before the menu they may export.
    delete trayShell_;
    trayShell_ = nullptr;
}

void TMainFrm::WatchSessionEnd() { sessionEnd_->WatchSignals(); }

bool TMainFrm::ShowAtStart() const { return NoTrayArea || !trayShell_ || trayShell_->ShowMainFormAtStart(); }

void TMainFrm::TrayStartup(bool& ShowMainForm) { ShowMainForm = false; }

void TMainFrm::HideMainWindow()
{
    if (Tray) Tray->HideMainWindow();
    else hide();
}

void TMainFrm::ShowMainWindow()
{
    if (Tray) {
        Tray->ShowMainWindow();
    } else {
        showNormal();
        raise();
        activateWindow();
    }
}

void TMainFrm::TrayClick()
{
    if (MsgFrm) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        MsgFrm->move(screen.width() + 8, screen.height() + 8);
    }
    Tmr_Display->SetEnabled(false);
    ShowMainWindow();
}

void TMainFrm::Settings1Click()
{
    ShowMainWindow();
    Pages->setCurrentIndex(1);
}

void TMainFrm::CloseAffirmationsApplication1Click() { Quit(); }
