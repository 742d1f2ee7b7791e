#pragma once
#include "app/ovShared.h"

#include <QWidget>
#include <string>

class QLabel;
class QTabWidget;
namespace ov { class TTimer; class QtTrayShell; class QtTrayMenu; class TCoolTrayIcon; }
class QMenu;
class QAction;
class TSessionEnd;
class TMessagesPage;
class TSettingsPage;
class TDisplayCycle;
class TProductPages;
class THelpPage;

// The main window: header strip, seven pages, the timers and the shared
// state. Each page object holds its own controls and handlers; this class
// builds the frame and wires the pages to one another.
class TMainFrm : public QWidget {
    Q_OBJECT
public:
    explicit TMainFrm(QWidget* parent = nullptr);
    ~TMainFrm() override;

    ov::SharedState State;
    bool FormReady = false;

    QWidget* Pnl_Header = nullptr;
    QLabel* Logo = nullptr;
    QTabWidget* Pages = nullptr;
    QWidget* Tab_Msgs = nullptr;
    QWidget* Tab_Settings = nullptr;
    QWidget* TabNewsLetter = nullptr;
    QWidget* Tab_REources = nullptr;
    QWidget* Tab_About = nullptr;
    QWidget* Tab_Help = nullptr;
    QWidget* Tab_Additional = nullptr;

    ov::TTimer* Tmr_Display = nullptr; // display timer
    ov::TTimer* Timer1 = nullptr;      // hide timer
    ov::TTimer* Tmr_Test = nullptr;    // test preview

    QMenu* Mnu_Tray = nullptr;
    QAction* Settings1 = nullptr;
    QAction* mnu_Pause = nullptr;
    QAction* CloseAffirmationsApplication1 = nullptr;

    ov::TCoolTrayIcon* Tray = nullptr;

    // One object per page or subsystem, each holding its documented controls
    // and handlers and wiring itself in its constructor.
    TMessagesPage* MessagesPage = nullptr;
    TSettingsPage* SettingsPage = nullptr;
    TDisplayCycle* Display = nullptr;
    TProductPages* ProductPages = nullptr;
    THelpPage* HelpPage = nullptr;

    // Life cycle and the road to and from the tray (ovMainShell.cpp).
    void FormCloseQuery(bool& CanClose);
    void ReturnToTray();
    void FormDestroy();
    void HookForm();
    void HookFormProc(QEvent* event);
    void UnhookForm();
    void HideMainWindow();
    void ShowMainWindow();
    // Tray handlers.
    void TrayStartup(bool& ShowMainForm);
    void TrayClick();
    void Settings1Click();
    void CloseAffirmationsApplication1Click();

    // No notification area was found at start: the window shows and its
    // close box ends the program.
    bool NoTrayArea = false;
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

    // Operations the pages call on one another.
    void RestoreStartupGroup();
    void LoadSettings(const std::string& category);
    bool SaveSettings(const std::string& category);
    std::string DirListText() const;

    // The page font: Tahoma 8 points where installed, else the desktop's
    // sans-serif.
    static QFont PageFont();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QObject* hook_ = nullptr;
    ov::QtTrayShell* trayShell_ = nullptr;
    ov::QtTrayMenu* trayMenu_ = nullptr;
    TSessionEnd* sessionEnd_ = nullptr;
    bool ending_ = false;
    void DestroyShell();
    void BuildFrame();
    void BuildShell(); // the tray icon and the menu's handlers (ovMainShell.cpp)
    void FormCreate();
};
