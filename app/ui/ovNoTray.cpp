#include "app/ui/ovNoTray.h"

#include "app/ui/ovMain.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

const char* const NoTrayNotice =
    "No notification area was found on this desktop, so Orvella shows its window instead. "
    "Minimize the window and the phrases flash; closing it ends Orvella.";

namespace {

constexpr int BarHeight = 34;

// Minimising is this mode's way back to the background, as closing to the
// tray is elsewhere; closing the window ends the program.
class TNoTrayWatch : public QObject {
public:
    explicit TNoTrayWatch(TMainFrm& frm) : QObject(&frm), frm_(frm) { frm.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            const bool minimized = frm_.isMinimized();
            if (minimized && !wasMinimized_) ov::Guarded([this] { ToBackground(); });
            wasMinimized_ = minimized;
        } else if (event->type() == QEvent::Close && frm_.isMinimized() && !frm_.State.ExitRequested) {
            // Closed from the task list while minimised: bring the window
            // back so the questions about unsaved changes are asked where
            // the user sees them.
            frm_.showNormal();
        }
        return false;
    }

private:
    // Nothing is asked or saved here (unsaved changes stay in the window and
    // are asked about when it closes), but the ticks as they stand feed the
    // phrases and the cycle restarts.
    void ToBackground()
    {
        frm_.MessagesPage->BuildPhrasePool();
        frm_.Tmr_Display->SetInterval(frm_.SettingsPage->SpinEdit2->Value() * 1000);
        frm_.Tmr_Display->SetEnabled(!frm_.mnu_Pause->isChecked());
    }

    TMainFrm& frm_;
    bool wasMinimized_ = false;
};

QPushButton* AddButton(QWidget* bar, QHBoxLayout* row, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, bar);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

void EnterNoTrayMode(TMainFrm& frm)
{
    frm.NoTrayArea = true;
    // An ordinary window: listed by the desktop, so it can be minimised and
    // found again.
    frm.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const int height = frm.height();
    frm.setFixedSize(frm.width(), height + BarHeight);
    frm.move(frm.x(), frm.y() - BarHeight / 2); // still centred
    auto* bar = new QWidget(&frm);
    bar->setObjectName(QStringLiteral("Pnl_NoTray"));
    bar->setGeometry(0, height, frm.width(), BarHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    auto* hint = new QLabel(QStringLiteral("Phrases flash while this window is minimized."), bar);
    hint->setObjectName(QStringLiteral("Lbl_NoTray"));
    row->addWidget(hint, 1);

    // The tray menu's commands, run through its own actions so both stay
    // one state; with mnemonics, as the keyboard is the quickest way here.
    QPushButton* settings = AddButton(bar, row, "btn_Settings", QStringLiteral("&Settings"));
    QObject::connect(settings, &QPushButton::clicked, frm.Settings1, &QAction::trigger);
    QPushButton* pause = AddButton(bar, row, "btn_Pause", QStringLiteral("&Pause Messages"));
    pause->setCheckable(true);
    pause->setChecked(frm.mnu_Pause->isChecked());
    QObject::connect(pause, &QPushButton::clicked, frm.mnu_Pause, &QAction::trigger);
    QObject::connect(frm.mnu_Pause, &QAction::toggled, pause, &QPushButton::setChecked);
    QPushButton* minimize = AddButton(bar, row, "btn_Minimize", QStringLiteral("Mi&nimize"));
    QObject::connect(minimize, &QPushButton::clicked, &frm, &QWidget::showMinimized);
    QPushButton* exit = AddButton(bar, row, "btn_Exit", QStringLiteral("E&xit"));
    QObject::connect(exit, &QPushButton::clicked, frm.CloseAffirmationsApplication1, &QAction::trigger);

    new TNoTrayWatch(frm);
}
