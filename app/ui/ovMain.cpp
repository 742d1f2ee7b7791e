#include "app/ui/ovMain.h"
#include "branding/ui/ovHelpPage.h"
#include "branding/ui/ovProductPages.h"
#include "display/ui/ovDisplayCycle.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "platform/ui/ovAccessible.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ui/ovSettingsPage.h"

#include <QCheckBox>

#include <QAction>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QVBoxLayout>

#include <chrono>
#include <cstdlib>

QFont TMainFrm::PageFont()
{
    static const QFont font = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            return QFont(QStringLiteral("Tahoma"), 8);
        QFont f(QStringLiteral("Sans Serif"), 8);
        f.setStyleHint(QFont::SansSerif);
        return f;
    }();
    return font;
}

TMainFrm::TMainFrm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    BuildFrame();
    FormCreate();
}

TMainFrm::~TMainFrm()
{
    FormDestroy();
    DestroyShell();
    delete Mnu_Tray;
}

void TMainFrm::BuildFrame()
{
    ov::InstallAccessibility();
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Orvella"));
    setFont(PageFont());
    setFixedSize(632, 491);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Pnl_Header = new QWidget(this);
    Pnl_Header->setObjectName(QStringLiteral("Pnl_Header"));
    Pnl_Header->setGeometry(0, 0, 632, 71);
    Pnl_Header->setAutoFillBackground(true);
    Logo = new QLabel(Pnl_Header);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setGeometry(0, 0, 632, 71);
    Logo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Logo->setAccessibleName(QStringLiteral("Logo"));

    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setGeometry(0, 71, 632, 491 - 71);
    Pages->setAccessibleName(QStringLiteral("Pages"));
    struct PageDef { QWidget** slot; const char* name; const char* caption; };
    const PageDef defs[] = {
        {&Tab_Msgs, "Tab_Msgs", "Messages"},
        {&Tab_Settings, "Tab_Settings", "Settings"},
        {&TabNewsLetter, "TabNewsLetter", "Newsletter"},
        {&Tab_REources, "Tab_REources", "Resources"},
        {&Tab_About, "Tab_About", "About"},
        {&Tab_Help, "Tab_Help", "Help"},
        {&Tab_Additional, "Tab_Additional", "Additional Subliminal Messages"},
    };
    for (const PageDef& d : defs) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(d.name));
        Pages->addTab(page, QLatin1String(d.caption));
        *d.slot = page;
    }

    Tmr_Display = new ov::TTimer(this, 1000, false);
    Tmr_Display->setObjectName(QStringLiteral("Tmr_Display"));
    Timer1 = new ov::TTimer(this, 1000, false);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->SetPrecise(true); // a 25 ms phrase must show for 25 ms
    Tmr_Test = new ov::TTimer(this, 1000, true);
    Tmr_Test->setObjectName(QStringLiteral("Tmr_Test"));

    // No parent: a popup owned by a hidden window may not open under X11.
    Mnu_Tray = new QMenu(this);
    Mnu_Tray->setObjectName(QStringLiteral("Mnu_Tray"));
    Settings1 = Mnu_Tray->addAction(QStringLiteral("Settings"));
    Settings1->setObjectName(QStringLiteral("Settings1"));
    mnu_Pause = Mnu_Tray->addAction(QStringLiteral("Pause Messages"));
    mnu_Pause->setObjectName(QStringLiteral("mnu_Pause"));
    mnu_Pause->setCheckable(true);
    Mnu_Tray->addSeparator();
    CloseAffirmationsApplication1 = Mnu_Tray->addAction(QStringLiteral("Exit"));
    CloseAffirmationsApplication1->setObjectName(QStringLiteral("CloseAffirmationsApplication1"));

    MessagesPage = new TMessagesPage(*this);
    SettingsPage = new TSettingsPage(*this);
    Display = new TDisplayCycle(*this);
    ProductPages = new TProductPages(*this);
    HelpPage = new THelpPage(*this);
    BuildShell();
}

void TMainFrm::FormCreate()
{
    // Each step runs in its own error boundary: a bad file met by one step
    // is reported and the window still comes up whole and ready.
    ov::Guarded([&] { ProductPages->ApplyBranding(); });
    // Positions of random placement are drawn from a generator seeded once.
    std::srand(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    HookForm();
    State = ov::SharedState();
    ov::Guarded([&] { RestoreStartupGroup(); });
    ov::Guarded([&] { LoadSettings(DirListText()); });
    ov::Guarded([&] { MessagesPage->LoadCategories(true); });
    ov::Guarded([&] { HelpPage->LoadHelpFile(); });
    mnu_Pause->setChecked(SettingsPage->Pause->isChecked());
    Tmr_Display->SetEnabled(!mnu_Pause->isChecked());
    Pages->setCurrentIndex(0);
    Pages->update();
    FormReady = true;
}

void TMainFrm::RestoreStartupGroup() { SettingsPage->RestoreStartupGroup(); }
void TMainFrm::LoadSettings(const std::string& category) { SettingsPage->LoadSettings(category); }
bool TMainFrm::SaveSettings(const std::string& category) { return SettingsPage->SaveSettings(category); }
std::string TMainFrm::DirListText() const { return MessagesPage->DirListText(); }
