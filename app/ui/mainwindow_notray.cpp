// Without a notification area: the main window as an ordinary window with
// a bar of the tray menu's commands.
#include "app/ui/mainwindow.h"
#include "library/ui/messagespage.h"
#include "display/ui/displaycycle.h"
#include "platform/ui/messagebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

const char* const MainWindow::NoTrayNotice =
    QT_TRANSLATE_NOOP("MainWindow", "No notification area was found on this desktop, so Orvella shows its window instead. "
                                    "Minimize the window and the phrases flash; closing it ends Orvella.");

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
            if (minimized && !wasMinimized_) ov::Guarded([this] { window_.SendToBackground(); });
            wasMinimized_ = minimized;
        } else if (event->type() == QEvent::Close && window_.isMinimized() && !window_.SessionEnded()) {
            // Closed from the task list while minimised: bring the window
            // back so the questions about unsaved changes are asked where
            // the user sees them.
            window_.showNormal();
        }
        return false;
    }

private:
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

void MainWindow::SendToBackground()
{
    // Unsaved changes stay in the window and are asked about when it closes.
    messagesPage_->BuildPhrasePool();
    displayCycle_->ApplyInterval();
    displayCycle_->Resume();
}

void MainWindow::EnterNoTrayMode()
{
    noTrayArea_ = true;
    // An ordinary window: listed by the desktop, so it can be minimised and
    // found again.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const int barTop = height();
    setFixedSize(width(), barTop + BarHeight);
    move(x(), y() - BarHeight / 2); // still centred
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("noTrayBar"));
    bar->setGeometry(0, barTop, width(), BarHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    auto* hint = new QLabel(tr("Phrases flash while this window is minimized."), bar);
    hint->setObjectName(QStringLiteral("noTrayHint"));
    hint->setWordWrap(true);
    row->addWidget(hint, 1);

    // The tray menu's commands, run through its own actions so both stay
    // one state; with mnemonics, as the keyboard is the quickest way here.
    QPushButton* settings = AddButton(bar, row, "settingsButton", tr("&Settings"));
    connect(settings, &QPushButton::clicked, settingsAction_, &QAction::trigger);
    QPushButton* pause = AddButton(bar, row, "pauseButton", tr("&Pause Messages"));
    pause->setCheckable(true);
    pause->setChecked(pauseAction_->isChecked());
    connect(pause, &QPushButton::clicked, pauseAction_, &QAction::trigger);
    connect(pauseAction_, &QAction::toggled, pause, &QPushButton::setChecked);
    QPushButton* minimize = AddButton(bar, row, "minimizeButton", tr("Mi&nimize"));
    connect(minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    QPushButton* exit = AddButton(bar, row, "exitButton", tr("E&xit"));
    connect(exit, &QPushButton::clicked, exitAction_, &QAction::trigger);
    // A translated hint may take two lines: the bar grows to hold them.
    if (const int needed = row->totalHeightForWidth(width()); needed > BarHeight) {
        setFixedSize(width(), barTop + needed);
        bar->resize(width(), needed);
    }

    new NoTrayWatcher(*this);
}
