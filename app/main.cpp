#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "app/ui/ovNoTray.h"
#include "app/ui/ovSessionEnd.h"
#include "app/ui/ovSplash.h"
#include "platform/ovPaths.h"
#include "platform/ovRunningMarkers.h"
#include "platform/ovUtils.h"
#include "platform/ui/ovMessageBox.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    // The end of the session must reach the program at any moment, also
    // while it is still starting: a signal is held until the loop serves it.
    TSessionEnd::CatchSignals();

    // Running markers first, before any window exists.
    ov::RunningMarkers markers;
    {
        std::string exe = argv[0] ? argv[0] : "Orvella";
        const size_t slash = exe.find_last_of('/');
        if (slash != std::string::npos) exe = exe.substr(slash + 1);
        markers.Acquire(ov::AsciiLower(exe));
    }

    // Orvella places its own windows, which Wayland clients cannot do:
    // prefer X11 (XWayland on a Wayland session) unless the user chose.
    if (std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "xcb", 1);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    // Settled before any user file is read: beside the executable, or the
    // per-user folders of an installed program.
    const ov::FileLayout layout = ov::DecideFileLayout();
    ov::UseFileLayout(layout);
    const std::string filesProblem = ov::PrepareUserFiles(layout);

    auto splash = std::make_unique<TSplashFrm>();
    splash->show();
    splash->repaint();
    // The title goes to the program, not to Qt's display name, which X11
    // would append to every window's caption.
    ov::MessageBox::SetApplicationTitle("Orvella");

    CreateForms();
    MainFrm->WatchSessionEnd();

    splash->WaitUntilDone([] { return MainFrm->Ending(); });
    splash->hide();
    splash.reset();
    if (!filesProblem.empty()) ov::MessageBox::Show(ov::MsgKind::Warning, filesProblem, MainFrm);

    // A desktop without a notification area must not leave an unreachable
    // process: the window shows, minimising it lets the phrases flash and
    // its close box ends the program.
    if (MainFrm->Ending()) {
        // The session ended while the program was starting.
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        EnterNoTrayMode(*MainFrm);
        MainFrm->ShowMainWindow();
        ov::MessageBox::Show(ov::MsgKind::Information, NoTrayNotice, MainFrm);
    } else if (MainFrm->ShowAtStart()) {
        MainFrm->ShowMainWindow();
    }

    // exec() would forget an end that came before it runs.
    const int rc = MainFrm->Ending() ? 0 : app.exec();
    DestroyForms();
    return rc;
}
