#include "display/ui/displaycycle.h"

#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "display/displayfont.h"
#include "display/glyphmask.h"
#include "display/wrap.h"
#include "display/ui/colourkeymask.h"
#include "display/ui/phrasewindow.h"
#include "display/ui/phrasepreview.h"
#include "library/ui/messagespage.h"
#include "platform/intervaltimer.h"
#include "platform/ui/messagebox.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSlider>
#include <cstdlib>

namespace {
// Pixels the main window paints in money green are left out of it.
const QColor MainKeyColour(192, 220, 192);
} // namespace

DisplayCycle::DisplayCycle(MainWindow& window) : QObject(&window), window_(window)
{
    connect(window_.displayTimer_, &ov::IntervalTimer::timeout, this, [this] {
        // A tick that reports an error waits in its error box; the ticks
        // that fall due meanwhile must not stack further boxes on it.
        if (inTick_)
            return;
        inTick_ = true;
        ov::Guarded([this] { onDisplayTimer(); });
        inTick_ = false;
    });
    connect(window_.hideTimer_, &ov::IntervalTimer::timeout, this, [this] { ov::Guarded([this] { onHideTimer(); }); });
    connect(window_.pauseAction_, &QAction::triggered, this, [this] { ov::Guarded([this] { onPauseAction(); }); });
    // A coarse timer may fire 5 % early or late: a 1 s interval would
    // alternate between 0.95 s and 1.05 s.
    window_.displayTimer_->SetPrecise(true);
    if (window_.settingsPage_ && window_.settingsPage_->testGroup_)
        preview_ = new PhrasePreview(window_, *window_.settingsPage_->testGroup_);
    colourKey_ = new ColourKeyMask(window_, MainKeyColour);
}

DisplayCycle::~DisplayCycle() = default;

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
    if (window_.pauseAction_->isChecked() || mainWindowUp || !phraseWindow || phraseWindow->isVisible())
        return;
    ov::SharedState& st = window_.state_;
    const std::string phrase = ov::TrimPhrase(
        ov::NextPhrase(st.Pool, st.PhraseCursor, [this] { window_.messagesPage_->BuildPhrasePool(); }));
    if (phrase.empty())
        return;

    // From here on an error leaves the timer off until something restarts it.
    window_.displayTimer_->SetEnabled(false);
    const QFont font = ov::DisplayQFont(st.DisplayFont);
    phraseWindow->setFont(ov::MaskFont(font));
    screen_ = PointerScreen();
    const ov::PhraseLayout layout = ov::LayoutPhrase(phrase, screen_.geometry.width(), *Measurer(font));
    phraseWindow->resize(layout.width, layout.height);

    if (!seeded_)
        SeedRandom(static_cast<unsigned>(std::rand()));
    const QPoint pos =
        ov::ChoosePosition(window_.settingsPage_->PositionIndex(), screen_.geometry, phraseWindow->size(), random_);
    ShowPhrase(layout.text, pos.x(), pos.y());
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
    const QPoint pointer = QCursor::pos();
    return areas[ov::ScreenForPointer(areas, &pointer)];
}

void DisplayCycle::ShowPhrase(const std::string& text, int X, int Y)
{
    if (!phraseWindow)
        return;
    // Left first, then top, each move snapping on its own.
    const ov::ScreenArea* area = screen_.geometry.isEmpty() ? nullptr : &screen_;
    phraseWindow->MoveTo(X, phraseWindow->y(), area);
    phraseWindow->MoveTo(phraseWindow->x(), Y, area);

    const ov::DisplayFontSpec& fontSpec = window_.state_.DisplayFont;
    const QFont font = ov::DisplayQFont(fontSpec);
    const QColor colour = ov::DisplayQColor(fontSpec, phraseWindow->palette());
    ov::PhraseLayout layout;
    layout.text = text;
    layout.width = phraseWindow->width();
    layout.height = phraseWindow->height();
    layout.lineHeight = Measurer(font)->TextHeight("Mg");
    // The display time counts from the moment the window is on the screen,
    // not from the request to show it, which the window system may take a
    // while to carry out (creating the window, the first time).
    window_.hideTimer_->SetInterval(window_.settingsPage_->displayTimeSpin_->Value());
    QPointer<MainWindow> window(&window_);
    phraseWindow->Present(layout, font, colour, window_.settingsPage_->contrastSlider_->value(), [window] {
        if (window)
            window->hideTimer_->SetEnabled(true);
    });
}

void DisplayCycle::onHideTimer()
{
    if (phraseWindow)
        phraseWindow->Withdraw(); // first: the display time is up now
    window_.hideTimer_->SetEnabled(false);
    window_.displayTimer_->SetEnabled(true);
}

void DisplayCycle::onPauseAction()
{
    window_.displayTimer_->SetEnabled(!window_.pauseAction_->isChecked());
}
