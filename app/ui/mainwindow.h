#pragma once
#include "app/sharedstate.h"

#include <QWidget>
#include <string>

class QLabel;
class QTabWidget;
class PhraseWindow;
class NewListDialog;
class DeleteListDialog;
class FontSizeDialog;
class FontColorDialog;
class FontNameDialog;
namespace ov { class IntervalTimer; class QtTrayShell; class QtTrayMenu; class TrayIcon; }
class QMenu;
class QAction;
class SessionEndWatcher;
class MessagesPage;
class SettingsPage;
class DisplayCycle;
class ColourKeyMask;
class ProductPages;
class HelpPage;

// The main window: header strip, seven pages, the timers and the shared
// state. Each page object holds its own controls and handlers; this class
// builds the frame and wires the pages to one another.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows created after this one (CreateWindows): the pages get theirs.
    void UseWindows(PhraseWindow* phrase, NewListDialog* newList, DeleteListDialog* deleteList,
                    FontSizeDialog* size, FontColorDialog* colour, FontNameDialog* name);
    ov::SharedState& State() { return state_; }
    const ov::SharedState& State() const { return state_; }
    bool IsReady() const { return ready_; } // start-up steps done

    ov::SharedState state_;
    bool ready_ = false;

    QWidget* headerPanel_ = nullptr;
    QLabel* headerLogo_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QWidget* newsletterTab_ = nullptr;
    QWidget* resourcesTab_ = nullptr;
    QWidget* aboutTab_ = nullptr;
    QWidget* helpTab_ = nullptr;
    QWidget* additionalTab_ = nullptr;

    QMenu* trayMenu_ = nullptr;
    QAction* settingsAction_ = nullptr;
    QAction* pauseAction_ = nullptr;
    QAction* exitAction_ = nullptr;

    ov::TrayIcon* trayIcon_ = nullptr;

    // One object per page or subsystem, each holding its documented controls
    // and handlers and wiring itself in its constructor.
    MessagesPage* messagesPage_ = nullptr;
    SettingsPage* settingsPage_ = nullptr;
    DisplayCycle* displayCycle_ = nullptr;
    ProductPages* productPages_ = nullptr;
    HelpPage* helpPage_ = nullptr;

    // Life cycle and the road to and from the tray (mainwindow_shell.cpp).
    void QueryClose(bool& canClose);
    void ReturnToTray();
    void ReleaseState();
    void InstallSessionEndHook();
    void NoteSessionEnd(QEvent* event);
    void RemoveSessionEndHook();
    void HideMainWindow();
    void ShowMainWindow();
    // Handlers of the tray icon and its menu.
    void onTrayStartup(bool& showMainWindow);
    void onTrayClick();
    void onSettingsAction();
    void onExitAction();

    // No notification area was found at start: the window shows and its
    // close box ends the program.
    bool noTrayArea_ = false;
    // Whether the window should show at start (the tray's start-up answer).
    bool ShowAtStart() const;
    // SIGTERM and SIGHUP end the session like the session manager does.
    void WatchSessionEnd();
    // The session is ending: open boxes, dialogs and menus close unanswered,
    // the window closes without questions and the program ends.
    void EndSession();
    // Ends the program: the main loop stops, or, before it runs, is not
    // started (see Ending).
    void Quit();
    // True once the program was told to end; start-up code that runs
    // before the main loop checks it.
    bool Ending() const { return ending_; }

    // The stored category and its pause, before the rest of its settings.
    void RestoreStartupGroup();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QObject* hook_ = nullptr;
    ov::QtTrayShell* trayShell_ = nullptr;
    ov::QtTrayMenu* menuAdapter_ = nullptr;
    ColourKeyMask* colourKey_ = nullptr;
    SessionEndWatcher* sessionEnd_ = nullptr;
    bool ending_ = false;
    void DestroyShell();
    void BuildFrame();
    void BuildShell(); // the tray icon and the menu's handlers (mainwindow_shell.cpp)
    void RunStartupSteps();
    void WireRooms();
};
