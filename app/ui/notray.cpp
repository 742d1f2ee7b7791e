#include "app/ui/notray.h"

#include "app/ui/mainwindow.h"
#include "library/ui/messagespage.h"
#include "display/ui/displaycycle.h"
#include "platform/ui/messagebox.h"

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
class NoTrayWatcher : public QObject {
public:
    explicit NoTrayWatcher(MainWindow& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            const bool minimized = window_.isMinimized();
            if (minimized && !wasMinimized_) ov::Guarded([this] { ToBackground(); });
            wasMinimized_ = minimized;
        } else if (event->type() == QEvent::Close && window_.isMinimized() && !window_.state_.ExitRequested) {
            // Closed from the task list while minimised: bring the window
            // back so the questions about unsaved changes are asked where
            // the user sees them.
            window_.showNormal();
        }
        return false;
    }

private:
    // Nothing is asked or saved here (unsaved changes stay in the window and
    // are asked about when it closes), but the ticks as they stand feed the
    // phrases and the cycle restarts.
    void ToBackground()
    {
        window_.messagesPage_->BuildPhrasePool();
        window_.displayCycle_->ApplyInterval();
        window_.displayCycle_->SetRunning(!window_.pauseAction_->isChecked());
    }

    MainWindow& window_;
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

void EnterNoTrayMode(MainWindow& window)
{
    window.noTrayArea_ = true;
    // An ordinary window: listed by the desktop, so it can be minimised and
    // found again.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const int height = window.height();
    window.setFixedSize(window.width(), height + BarHeight);
    window.move(window.x(), window.y() - BarHeight / 2); // still centred
    auto* bar = new QWidget(&window);
    bar->setObjectName(QStringLiteral("noTrayBar"));
    bar->setGeometry(0, height, window.width(), BarHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    auto* hint = new QLabel(QStringLiteral("Phrases flash while this window is minimized."), bar);
    hint->setObjectName(QStringLiteral("noTrayHint"));
    row->addWidget(hint, 1);

    // The tray menu's commands, run through its own actions so both stay
    // one state; with mnemonics, as the keyboard is the quickest way here.
    QPushButton* settings = AddButton(bar, row, "settingsButton", QStringLiteral("&Settings"));
    QObject::connect(settings, &QPushButton::clicked, window.settingsAction_, &QAction::trigger);
    QPushButton* pause = AddButton(bar, row, "pauseButton", QStringLiteral("&Pause Messages"));
    pause->setCheckable(true);
    pause->setChecked(window.pauseAction_->isChecked());
    QObject::connect(pause, &QPushButton::clicked, window.pauseAction_, &QAction::trigger);
    QObject::connect(window.pauseAction_, &QAction::toggled, pause, &QPushButton::setChecked);
    QPushButton* minimize = AddButton(bar, row, "minimizeButton", QStringLiteral("Mi&nimize"));
    QObject::connect(minimize, &QPushButton::clicked, &window, &QWidget::showMinimized);
    QPushButton* exit = AddButton(bar, row, "exitButton", QStringLiteral("E&xit"));
    QObject::connect(exit, &QPushButton::clicked, window.exitAction_, &QAction::trigger);

    new NoTrayWatcher(window);
}
