#pragma once
#include "branding/branding.h"

#include <QWidget>
#include <set>
#include <string>

class QLabel;
class QPixmap;
class QTabWidget;
class PhraseWindow;
class NewListDialog;
class DeleteListDialog;
class FontSizeDialog;
class FontColorDialog;
class FontNameDialog;
namespace ov { class QtTrayShell; class QtTrayMenu; class TrayIcon; }
class QMenu;
class QAction;
class SessionEndWatcher;
class MessagesPage;
class SettingsPage;
class DisplayCycle;
class ColourKeyMask;
class NewsletterPage;
class ResourcesPage;
class AboutPage;
class HelpPage;

// The main window: header strip, seven pages, the tray icon and its menu.
// It creates the pages and the display cycle, wires them to one another,
// and runs the start-up steps and the road to and from the tray. The pages
// own their controls and their state.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows created after this one: each page gets the ones it uses.
    void UseWindows(PhraseWindow* phrase, NewListDialog* newList, DeleteListDialog* deleteList,
                    FontSizeDialog* size, FontColorDialog* colour, FontNameDialog* name);

    // The session is ending (the desktop's log-out): nothing more is asked
    // or saved.
    bool SessionEnded() const { return sessionEnded_; }
    // The start-up steps are done.
    bool IsReady() const { return ready_; }
    // The branding record read at start-up.
    const ov::BrandingInfo& Branding() const { return branding_; }

    void ShowMainWindow();
    // Whether the window should show at start (the tray's start-up answer).
    bool ShowAtStart() const;
    // True once the program was told to end; start-up code that runs
    // before the main loop checks it.
    bool Ending() const { return ending_; }

    // Without a notification area the main window is the way in: it becomes
    // an ordinary window the desktop lists and minimises, phrases flash
    // while it is minimised, and a bar under the pages offers the tray
    // menu's commands. Call once, before the window is first shown.
    void EnterNoTrayMode();
    // The text the program shows once at start in that mode.
    static const char* const NoTrayNotice;
    // The ticks as they stand feed the phrases and the cycle restarts
    // (minimised without a tray). Nothing is asked or saved.
    void SendToBackground();

    // The tray icon's click: the window opens and no phrase flashes over it.
    void onTrayClick();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFrame();
    void WireRooms();
    void BuildShell(); // the tray icon and the menu's handlers (mainwindow_shell.cpp)
    void DestroyShell();
    void RunStartupSteps();
    // The stored category and its pause, before the rest of its settings.
    void RestoreStartupCategory();

    // Branding (mainwindow_branding.cpp): reads the record and puts it on
    // the window and the pages: titles, captions, icon and pictures.
    void ApplyBranding();
    void SetLogo(const QPixmap& picture);
    // The user selected a page: the additional-messages tab opens its web
    // page and gives way to the Messages page.
    void onPageChanged(int index);

    // Life cycle and the road to and from the tray (mainwindow_shell.cpp).
    void QueryClose(bool& canClose);
    void ReturnToTray();
    void InstallSessionEndHook();
    void NoteSessionEnd(QEvent* event);
    void RemoveSessionEndHook();
    void HideMainWindow();
    // The session is ending: open boxes, dialogs and menus close unanswered,
    // the window closes without questions and the program ends.
    void EndSession();
    // Ends the program: the main loop stops, or, before it runs, is not
    // started (see Ending).
    void Quit();
    // Handlers of the tray icon and its menu.
    void onTrayStartup(bool& showMainWindow);
    void onSettingsAction();
    void onExitAction();

    bool ready_ = false;
    ov::BrandingInfo branding_;
    QWidget* headerPanel_ = nullptr;
    QLabel* headerLogo_ = nullptr;
    QTabWidget* pages_ = nullptr;
    MessagesPage* messagesPage_ = nullptr;
    SettingsPage* settingsPage_ = nullptr;
    DisplayCycle* displayCycle_ = nullptr;
    ColourKeyMask* colourKey_ = nullptr;
    NewsletterPage* newsletterPage_ = nullptr;
    ResourcesPage* resourcesPage_ = nullptr;
    AboutPage* aboutPage_ = nullptr;
    HelpPage* helpPage_ = nullptr;
    QWidget* additionalPage_ = nullptr;

    QMenu* trayMenu_ = nullptr;
    QAction* settingsAction_ = nullptr;
    QAction* pauseAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    ov::TrayIcon* trayIcon_ = nullptr;
    ov::QtTrayShell* trayShell_ = nullptr;
    ov::QtTrayMenu* menuAdapter_ = nullptr;
    SessionEndWatcher* sessionEnd_ = nullptr;
    QObject* hook_ = nullptr;
    // Problems already told in this run by the start-up steps and the close
    // query's reload, which meet the same bad file again and again.
    std::set<std::string> toldProblems_;
    // No notification area was found at start: the window shows and its
    // close box ends the program.
    bool noTrayArea_ = false;
    bool selectingPage_ = false; // the program itself is changing the page
    bool ending_ = false;
    bool sessionEnded_ = false;
};
