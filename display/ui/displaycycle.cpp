#include "display/ui/displaycycle.h"

#include "library/phrasepool.h"
#include "display/displayfont.h"
#include "display/glyphmask.h"
#include "display/phraseroute.h"
#include "display/wrap.h"
#include "display/ui/phrasewindow.h"
#include "platform/intervaltimer.h"
#include "platform/ui/messagebox.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

DisplayCycle::DisplayCycle(QWidget& window, const ov::CategorySettings& shown)
    : QObject(&window), window_(window), shown_(shown)
{
    displayTimer_ = new ov::IntervalTimer(this, 1000, false);
    displayTimer_->setObjectName(QStringLiteral("displayTimer"));
    hideTimer_ = new ov::IntervalTimer(this, 1000, false);
    hideTimer_->setObjectName(QStringLiteral("hideTimer"));
    hideTimer_->SetPrecise(true); // a 25 ms phrase must show for 25 ms
    connect(displayTimer_, &ov::IntervalTimer::timeout, this, [this] {
        // A tick that reports an error waits in its error box; the ticks
        // that fall due meanwhile must not stack further boxes on it.
        if (inTick_)
            return;
        inTick_ = true;
        ov::Guarded([this] { onDisplayTimer(); });
        inTick_ = false;
    });
    connect(hideTimer_, &ov::IntervalTimer::timeout, this, [this] { ov::Guarded([this] { onHideTimer(); }); });
    // A coarse timer may fire 5 % early or late: a 1 s interval would
    // alternate between 0.95 s and 1.05 s.
    displayTimer_->SetPrecise(true);
}

DisplayCycle::~DisplayCycle() = default;

void DisplayCycle::SetPhraseWindow(PhraseWindow* window) { phraseWindow_ = window; }

void DisplayCycle::SetPhrases(const ov::PhrasePool& pool, std::function<void()> rebuild)
{
    pool_ = &pool;
    rebuildPool_ = std::move(rebuild);
}

void DisplayCycle::SetPaused(bool paused)
{
    displayTimer_->SetEnabled(!paused);
    if (paused == paused_) return;
    paused_ = paused;
    emit pausedChanged(paused);
}

void DisplayCycle::Hold() { displayTimer_->SetEnabled(false); }

void DisplayCycle::ApplyInterval() { displayTimer_->SetInterval(shown_.Interval * 1000); }

void DisplayCycle::StopForMainWindow()
{
    if (phraseWindow_) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        phraseWindow_->move(screen.width() + 8, screen.height() + 8);
    }
    displayTimer_->SetEnabled(false);
}

void DisplayCycle::SeedRandom(unsigned seed)
{
    random_.seed(seed);
    seeded_ = true;
}

std::unique_ptr<ov::TextMeasurer> DisplayCycle::Measurer(const QFont& font) const
{
    if (measurerFactory_)
        return measurerFactory_(font);
    return std::make_unique<ov::FontMeasurer>(font);
}

void DisplayCycle::onDisplayTimer()
{
    // A minimised main window is out of the way: without a notification
    // area that is how the user sends the program to the background.
    const bool mainWindowUp = window_.isVisible() && !window_.isMinimized();
    PhraseWindow* phraseWindow = phraseWindow_;
    if (paused_ || mainWindowUp || !phraseWindow || phraseWindow->isVisible() || !pool_)
        return;
    const std::string phrase = ov::TrimPhrase(ov::NextPhrase(*pool_, turn_, [this] {
        if (rebuildPool_) rebuildPool_();
    }));
    if (phrase.empty())
        return;

    // From here on an error leaves the timer off until something restarts it.
    displayTimer_->SetEnabled(false);
    const QFont font = ov::DisplayQFont(shown_);
    screen_ = PointerScreen();
    // Never larger than the monitor: a tall phrase is drawn smaller.
    const ov::FittedPhrase fitted = ov::FitPhrase(phrase, screen_.geometry.size(), font,
                                                  [this](const QFont& f) { return Measurer(f); });
    phraseWindow->setFont(ov::MaskFont(fitted.font));
    phraseWindow->resize(fitted.layout.width, fitted.layout.height);

    if (!seeded_)
        SeedRandom(static_cast<unsigned>(std::rand()));
    const QPoint pos =
        ov::ChoosePosition(shown_.Location, screen_.geometry, phraseWindow->size(), random_);
    ShowPhrase(fitted, pos.x(), pos.y());
}

ov::ScreenArea DisplayCycle::PointerScreen() const
{
    // The primary screen first: it is the one taken when the pointer is
    // nowhere to be found.
    std::vector<ov::ScreenArea> areas;
    QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (QScreen* s : screens)
        areas.push_back({s->geometry(), s->availableGeometry()});
    if (areas.empty())
        return {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768)};
    const bool known = !phraseWindow_ || phraseWindow_->PointerKnown();
    return areas[ov::PhraseScreen(areas, QCursor::pos(), known)];
}

void DisplayCycle::ShowPhrase(const ov::FittedPhrase& phrase, int X, int Y)
{
    PhraseWindow* phraseWindow = phraseWindow_;
    if (!phraseWindow)
        return;
    // Left first, then top, each move snapping on its own.
    const ov::ScreenArea* area = screen_.geometry.isEmpty() ? nullptr : &screen_;
    phraseWindow->MoveTo(X, phraseWindow->y(), area);
    phraseWindow->MoveTo(phraseWindow->x(), Y, area);

    const QColor colour = ov::DisplayQColor(shown_, phraseWindow->palette());
    ov::PhraseLayout layout = phrase.layout;
    layout.width = phraseWindow->width();
    layout.height = phraseWindow->height();
    const QFont& font = phrase.font;
    // The display time counts from the moment the window is on the screen,
    // not from the request to show it, which the window system may take a
    // while to carry out (creating the window, the first time).
    hideTimer_->SetInterval(shown_.DisplayTime);
    QPointer<DisplayCycle> self(this);
    phraseWindow->SetOverlayCentred(shown_.Location == ov::LocationCentered);
    phraseWindow->Present(layout, font, colour, shown_.Contrast, [self] {
        if (!self)
            return;
        // The unmap leaves at the deadline from the timer's thread: a busy
        // UI thread does not keep the phrase up.
        PhraseWindow* window = self->phraseWindow_;
        self->hideTimer_->SetDeadlineAction(window ? window->Unmapper() : nullptr);
        // Counted from the phrase going up, not from when a busy UI thread
        // got round to this.
        self->hideTimer_->StartFrom(window ? window->ShownSince() : std::chrono::steady_clock::now());
    });
}

void DisplayCycle::onHideTimer()
{
    if (phraseWindow_)
        phraseWindow_->Withdraw(); // first: the display time is up now
    hideTimer_->SetEnabled(false);
    displayTimer_->SetEnabled(true);
}
