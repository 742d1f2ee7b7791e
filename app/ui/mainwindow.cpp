#include "app/ui/mainwindow.h"
#include "branding/ui/helppage.h"
#include "branding/ui/productpages.h"
#include "branding/ui/weblink.h"
#include "display/ui/colourkeymask.h"
#include "display/ui/displaycycle.h"
#include "display/ui/phrasepreview.h"
#include "library/ui/messagespage.h"
#include "platform/ui/accessible.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/pagefont.h"
#include "settings/inifile.h"
#include "settings/ui/settingspage.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace {
// Pixels the main window paints in money green are left out of it.
const QColor MainKeyColour(192, 220, 192);
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    BuildFrame();
    RunStartupSteps();
}

MainWindow::~MainWindow()
{
    RemoveSessionEndHook();
    DestroyShell();
    delete trayMenu_;
}

void MainWindow::BuildFrame()
{
    ov::InstallAccessibility();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Orvella"));
    setFont(ov::PageFont());
    setFixedSize(632, 491);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    headerPanel_ = new QWidget(this);
    headerPanel_->setObjectName(QStringLiteral("headerPanel"));
    headerPanel_->setGeometry(0, 0, 632, 71);
    headerPanel_->setAutoFillBackground(true);
    headerLogo_ = new QLabel(headerPanel_);
    headerLogo_->setObjectName(QStringLiteral("headerLogo"));
    headerLogo_->setGeometry(0, 0, 632, 71);
    headerLogo_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    headerLogo_->setAccessibleName(tr("Logo"));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setGeometry(0, 71, 632, 491 - 71);
    pages_->setAccessibleName(tr("Pages"));
    // Created in this window before it joins the tabs, so its controls keep
    // their place in the keyboard focus chain.
    messagesPage_ = new MessagesPage(this);
    pages_->addTab(messagesPage_, tr("Messages"));
    settingsPage_ = new SettingsPage(
        [](QGroupBox& group, const ov::CategorySettings& shown) { new PhrasePreview(shown, group); }, this);
    settingsPage_->setObjectName(QStringLiteral("settingsPage"));
    pages_->addTab(settingsPage_, tr("Settings"));

    // Owned by this window; a menu is always a window of its own, so it
    // opens from the tray icon while this one is hidden.
    trayMenu_ = new QMenu(this);
    trayMenu_->setObjectName(QStringLiteral("trayMenu"));
    settingsAction_ = trayMenu_->addAction(tr("Settings"));
    settingsAction_->setObjectName(QStringLiteral("settingsAction"));
    pauseAction_ = trayMenu_->addAction(tr("Pause Messages"));
    pauseAction_->setObjectName(QStringLiteral("pauseAction"));
    pauseAction_->setCheckable(true);
    trayMenu_->addSeparator();
    exitAction_ = trayMenu_->addAction(tr("Exit"));
    exitAction_->setObjectName(QStringLiteral("exitAction"));

    displayCycle_ = new DisplayCycle(*this, settingsPage_->Shown());
    colourKey_ = new ColourKeyMask(*this, MainKeyColour);
    // Each page is made inside this window and then moved into its tab, so
    // it keeps its place in the keyboard's focus chain.
    newsletterPage_ = new NewsletterPage(this);
    pages_->addTab(newsletterPage_, tr("Newsletter"));
    resourcesPage_ = new ResourcesPage(this);
    pages_->addTab(resourcesPage_, tr("Resources"));
    aboutPage_ = new AboutPage(this);
    pages_->addTab(aboutPage_, tr("About"));
    helpPage_ = new HelpPage(this);
    pages_->addTab(helpPage_, tr("Help"));
    additionalPage_ = new QWidget(this);
    additionalPage_->setObjectName(QStringLiteral("additionalPage"));
    pages_->addTab(additionalPage_, tr("Additional Subliminal Messages"));
    WireRooms();
    BuildShell();
}

void MainWindow::WireRooms()
{
    messagesPage_->SetSettingsHooks([this](const std::string& c) { return settingsPage_->SaveSettings(c); },
                                    [this](const std::string& c) { settingsPage_->LoadSettings(c); },
                                    [this] { return settingsPage_->HasUnsavedChanges(); });
    messagesPage_->SetSessionEnded([this] { return sessionEnded_; });
    // The pause is the display cycle's; the menu item shows it and sets it.
    connect(displayCycle_, &DisplayCycle::pausedChanged, pauseAction_, &QAction::setChecked);
    connect(pauseAction_, &QAction::toggled, this,
            [this](bool on) { ov::Guarded([this, on] { displayCycle_->SetPaused(on); }); });
    connect(settingsPage_, &SettingsPage::intervalChanged, displayCycle_, &DisplayCycle::ApplyInterval);
    connect(settingsPage_, &SettingsPage::pauseRequested, displayCycle_, [this] { displayCycle_->SetPaused(true); });
    settingsPage_->SetCategorySource(
        [this] { return ShownCategory{messagesPage_->CurrentCategory(), messagesPage_->CurrentCategoryIndex()}; });
    displayCycle_->SetPhrases(messagesPage_->Phrases(), [this] { messagesPage_->BuildPhrasePool(); });
    connect(messagesPage_, &MessagesPage::phrasesRebuilt, displayCycle_, &DisplayCycle::RestartTurns);
    // The addresses are read when used, from the record of the start-up.
    connect(aboutPage_, &AboutPage::visitClicked, this,
            [this] { ov::Guarded([this] { ov::OpenWebPage(branding_.HTTP_BASEURL, this); }); });
    connect(resourcesPage_, &ResourcesPage::resourcesClicked, this,
            [this] { ov::Guarded([this] { ov::OpenWebPage(branding_.HTTP_RESOURCES, this); }); });
    connect(newsletterPage_, &NewsletterPage::subscribeClicked, this,
            [this] { ov::Guarded([this] { ov::OpenWebPage(branding_.HTTP_SUBSCRIBE, this); }); });
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!selectingPage_) ov::Guarded([this, index] { onPageChanged(index); });
    });
}

void MainWindow::UseWindows(PhraseWindow* phrase, NewListDialog* newList, DeleteListDialog* deleteList,
                            FontSizeDialog* size, FontColorDialog* colour, FontNameDialog* name)
{
    messagesPage_->SetDialogs(newList, deleteList);
    displayCycle_->SetPhraseWindow(phrase);
    settingsPage_->SetFontDialogs(size, colour, name);
}

void MainWindow::RunStartupSteps()
{
    // Each step runs in its own error boundary: a bad file met by one step
    // is reported and the window still comes up whole and ready. Steps that
    // meet the same bad file tell it once. Once the session has ended (a box
    // of an earlier step was open), the rest are skipped.
    auto step = [&](const std::function<void()>& run) {
        if (!sessionEnded_) ov::Guarded(run, toldProblems_);
    };
    step([&] { ApplyBranding(); });
    // Positions of random placement are drawn from a generator seeded once.
    std::srand(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    InstallSessionEndHook();
    step([&] { RestoreStartupCategory(); });
    step([&] { settingsPage_->LoadSettings(messagesPage_->CurrentCategory()); });
    step([&] { messagesPage_->LoadCategories(true); });
    step([&] { helpPage_->LoadHelpFile(); });
    displayCycle_->SetPaused(settingsPage_->Shown().StartPaused);
    pages_->setCurrentIndex(0);
    pages_->update();
    ready_ = true;
    messagesPage_->SetReady();
}

void MainWindow::RestoreStartupCategory()
{
    messagesPage_->LoadCategories(false);
    const ov::IniDoc doc = ov::IniFile(ov::SettingsFilePath()).Load();
    messagesPage_->SelectStoredCategory(doc);
    settingsPage_->RestorePause(doc, messagesPage_->CurrentCategory());
    displayCycle_->SetPaused(settingsPage_->Shown().StartPaused);
}
