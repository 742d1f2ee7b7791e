#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "app/ui/sessionendwatcher.h"
#include "app/ui/splashwindow.h"
#include "platform/paths.h"
#include "platform/runningmarkers.h"
#include "platform/translate.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    // The end of the session must reach the program at any moment, also
    // while it is still starting: a signal is held until the loop serves it.
    SessionEndWatcher::CatchSignals();

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
    // From here on any box's loop serves the end, also the boxes that the
    // start-up shows before the main window exists.
    SessionEndWatcher::WatchSignals();
    const auto ending = [] { return SessionEndWatcher::Ended() || (mainWindow && mainWindow->Ending()); };

    // Settled before any user file is read: beside the executable, or the
    // per-user folders of an installed program.
    const ov::FileLayout layout = ov::DecideFileLayout();
    ov::UseFileLayout(layout);
    // The user's language from here on, the splash included.
    ov::InstallTranslations();
    const std::string filesProblem = ov::PrepareUserFiles(layout);

    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    splash->repaint();
    // The title goes to the program, not to Qt's display name, which X11
    // would append to every window's caption.
    ov::MessageBox::SetApplicationTitle("Orvella");

    // A signal that came before the application existed is served now.
    QCoreApplication::processEvents();
    if (!ending()) CreateWindows();

    splash->WaitUntilDone(ending);
    splash->hide();
    splash.reset();
    if (!filesProblem.empty() && !ending()) ov::MessageBox::Show(ov::MsgKind::Warning, filesProblem, mainWindow);

    // A desktop without a notification area must not leave an unreachable
    // process: the window shows, minimising it lets the phrases flash and
    // its close box ends the program.
    if (ending()) {
        // The session ended while the program was starting.
    } else if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        mainWindow->EnterNoTrayMode();
        mainWindow->ShowMainWindow();
        ov::MessageBox::Show(ov::MsgKind::Information, ov::Tr("MainWindow", MainWindow::NoTrayNotice), mainWindow);
    } else if (mainWindow->ShowAtStart()) {
        mainWindow->ShowMainWindow();
    }

    // exec() would forget an end that came before it runs.
    const int rc = ending() ? 0 : app.exec();
    DestroyWindows();
    return rc;
}
