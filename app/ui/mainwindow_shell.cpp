// The main window's life cycle and its road to and from the tray.
#include "app/ui/mainwindow.h"
#include "app/ui/sessionendwatcher.h"
#include "display/ui/displaycycle.h"
#include "library/ui/messagespage.h"
#include "library/ui/messagesquestion.h"
#include "platform/ui/messagebox.h"
#include "settings/ui/settingspage.h"
#include "tray/trayicon.h"
#include "tray/ui/qttrayshell.h"
#include "platform/translate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTabWidget>

#include <functional>

namespace {

// Sees every event of the main window before the tray component's own
// filter; the session-end notice marks the session ended and passes on.
class SessionEndHook : public QObject {
public:
    SessionEndHook(QObject* owner, std::function<void(QEvent*)> note) : QObject(owner), note_(std::move(note)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        note_(event);
        return false;
    }

private:
    std::function<void(QEvent*)> note_;
};

} // namespace

void MainWindow::InstallSessionEndHook()
{
    if (hook_) return;
    hook_ = new SessionEndHook(this, [this](QEvent* event) { NoteSessionEnd(event); });
    installEventFilter(hook_);
}

void MainWindow::NoteSessionEnd(QEvent* event)
{
    if (event->type() == SessionEndWatcher::QueryEndSession()) sessionEnded_ = true;
}

void MainWindow::RemoveSessionEndHook()
{
    if (!hook_) return;
    removeEventFilter(hook_);
    delete hook_;
    hook_ = nullptr;
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == SessionEndWatcher::QueryEndSession()) {
        EndSession();
        return true;
    }
    return QWidget::event(event);
}

void MainWindow::EndSession()
{
    // The hook has marked the end already; mark it here too, so the end
    // holds even after the hook is gone.
    sessionEnded_ = true;
    // The notice may arrive inside a box's or dialog's own loop: close them
    // all, so each handler that waits on one returns and nothing is asked.
    ov::CloseModalsForSessionEnd();
    close(); // the close query lets the window close
    Quit();
}

void MainWindow::Quit()
{
    ending_ = true;
    // exit() rather than quit(): quit() first asks every window to close,
    // and the main window's close query would ask its questions.
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    bool failed = true;
    ov::Guarded([&] {
        bool answer = true;
        QueryClose(answer);
        canClose = answer;
        failed = false;
    });
    // A step that failed has been reported; the window stays open with the
    // user's work, as after an error in any other handler.
    if (failed && !sessionEnded_) {
        if (!isVisible()) ShowMainWindow();
        displayCycle_->Hold();
        event->ignore();
        return;
    }
    if (!canClose && !sessionEnded_) {
        event->ignore();
        return;
    }
    event->accept();
    // The main window closing for real ends the program.
    Quit();
}

void MainWindow::QueryClose(bool& canClose)
{
    // The session is ending: nothing is asked, saved or reloaded.
    if (sessionEnded_) {
        canClose = true;
        return;
    }
    canClose = false;
    const bool ordinary = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    if (ordinary) {
        // A category without lists has nothing to tick and nothing to warn of.
        if (messagesPage_->CountTickedLists() == 0 && !messagesPage_->ListNames().empty()) {
            ov::MessageBox::Show(ov::MsgKind::Warning,
                                 ov::Tr("MainWindow", "No phrase list has been ticked to be displayed. Orvella has ticked the first list."),
                                 this);
            if (sessionEnded_) {
                canClose = true;
                return;
            }
            messagesPage_->TickFirstList();
        }
        // Each question saves only its own part: the settings are written
        // only when their own question is answered Yes.
        if (messagesPage_->HasUnsavedChanges() && !sessionEnded_ && ov::AskToSaveChangedMessages(this))
            messagesPage_->SaveTicksAndEditor();
        if (settingsPage_->HasUnsavedChanges() && !sessionEnded_
            && ov::MessageBox::Show(ov::MsgKind::Confirm,
                                    ov::Tr("MainWindow", "The settings have changed.\r\nDo you wish to save the changes?"), this)
                   == ov::MsgResult::Yes
            && !settingsPage_->SaveSettings(messagesPage_->CurrentCategory()))
            return; // the reason was shown; the window stays open with the changes
        if (sessionEnded_) {
            canClose = true;
            return;
        }
        // The reload is the program's own step, not a save the user asked
        // for: its failure is told once per run and the window still goes
        // to the tray with the lists it has.
        ov::Guarded([this] { messagesPage_->LoadCategoryLists(); }, toldProblems_);
        if (sessionEnded_) {
            canClose = true;
            return;
        }
        ReturnToTray();
        displayCycle_->Resume();
    }
    // Without a notification area the close box is the only way out.
    canClose = sessionEnded_ || noTrayArea_;
}

void MainWindow::ReturnToTray()
{
    HideMainWindow();
    displayCycle_->ApplyInterval();
    displayCycle_->Resume();
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

ov::IconImages ImagesOf(const QIcon& icon)
{
    ov::IconImages images;
    if (icon.isNull()) return {FallbackTrayImage()};
    for (int size : {16, 22, 24, 32, 48}) images.push_back(icon.pixmap(size, size).toImage());
    return images;
}

// Follows the main window's icon: the branding may replace it at start-up.
class TrayIconFollower : public QObject {
public:
    TrayIconFollower(MainWindow& window, ov::TrayIcon& tray) : QObject(&window), window_(window), tray_(tray)
    {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowIconChange) {
            ov::IconPicture icon;
            icon.SetImages(ImagesOf(window_.windowIcon()));
            tray_.SetIcon(icon);
        }
        return false;
    }

private:
    MainWindow& window_;
    ov::TrayIcon& tray_;
};

} // namespace

void MainWindow::BuildShell()
{
    trayShell_ = new ov::QtTrayShell(this, this);
    menuAdapter_ = new ov::QtTrayMenu(trayMenu_);
    trayIcon_ = new ov::TrayIcon(*trayShell_);
    trayIcon_->SetCycleInterval(0);
    trayIcon_->SetShowHint(false);
    ov::IconPicture icon;
    icon.SetImages(ImagesOf(windowIcon()));
    trayIcon_->SetIcon(icon);
    trayIcon_->SetIconIndex(0);
    trayIcon_->SetPopupMenu(menuAdapter_);
    trayIcon_->SetMinimizeToTray(true);
    trayShell_->SetHostMenu(trayMenu_);
    trayIcon_->OnClick = [this](ov::TrayIcon&) { ov::Guarded([this] { onTrayClick(); }); };
    trayIcon_->OnStartup = [this](ov::TrayIcon&, bool& show) { onTrayStartup(show); };
    trayIcon_->SetIconVisible(true);
    new TrayIconFollower(*this, *trayIcon_);
    trayShell_->SetMainWindow(this);
    trayIcon_->Loaded();

    connect(settingsAction_, &QAction::triggered, this, [this] { ov::Guarded([this] { onSettingsAction(); }); });
    connect(exitAction_, &QAction::triggered, this,
            [this] { ov::Guarded([this] { onExitAction(); }); });
    sessionEnd_ = new SessionEndWatcher(this);
}

void MainWindow::DestroyShell()
{
    delete trayIcon_; // removes the icon
    trayIcon_ = nullptr;
    delete menuAdapter_;
    menuAdapter_ = nullptr;
    // Qt's icons go before the menu they may export.
    delete trayShell_;
    trayShell_ = nullptr;
}

bool MainWindow::ShowAtStart() const { return noTrayArea_ || !trayShell_ || trayShell_->ShowMainWindowAtStart(); }

void MainWindow::onTrayStartup(bool& showMainWindow) { showMainWindow = false; }

void MainWindow::HideMainWindow()
{
    if (trayIcon_) trayIcon_->HideMainWindow();
    else hide();
}

void MainWindow::ShowMainWindow()
{
    if (trayIcon_) {
        trayIcon_->ShowMainWindow();
    } else {
        showNormal();
        raise();
        activateWindow();
    }
}

void MainWindow::onTrayClick()
{
    displayCycle_->StopForMainWindow();
    ShowMainWindow();
}

void MainWindow::onSettingsAction()
{
    ShowMainWindow();
    pages_->setCurrentIndex(1);
}

void MainWindow::onExitAction() { Quit(); }
