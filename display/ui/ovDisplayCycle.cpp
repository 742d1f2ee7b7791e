#include "display/ui/ovDisplayCycle.h"

#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "display/ovDisplayFont.h"
#include "display/ovGlyphMask.h"
#include "display/ovWrap.h"
#include "display/ui/ovColourKey.h"
#include "display/ui/ovMsgFrm.h"
#include "display/ui/ovTestPreview.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"

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

TDisplayCycle::TDisplayCycle(TMainFrm& frm) : QObject(&frm), frm_(frm)
{
    connect(frm_.Tmr_Display, &ov::TTimer::OnTimer, this, [this] {
        // A tick that reports an error waits in its error box; the ticks
        // that fall due meanwhile must not stack further boxes on it.
        if (inTick_)
            return;
        inTick_ = true;
        ov::Guarded([this] { Tmr_DisplayTimer(); });
        inTick_ = false;
    });
    connect(frm_.Timer1, &ov::TTimer::OnTimer, this, [this] { ov::Guarded([this] { Timer1Timer(); }); });
    connect(frm_.mnu_Pause, &QAction::triggered, this, [this] { ov::Guarded([this] { mnu_PauseClick(); }); });
    // A coarse timer may fire 5 % early or late: a 1 s interval would
    // alternate between 0.95 s and 1.05 s.
    frm_.Tmr_Display->SetPrecise(true);
    if (frm_.SettingsPage && frm_.SettingsPage->Grp_Test)
        TestPreview = new TTestPreview(frm_, *frm_.SettingsPage->Grp_Test);
    ColourKey = new TColourKey(frm_, MainKeyColour);
}

TDisplayCycle::~TDisplayCycle() = default;

void TDisplayCycle::SeedRandom(unsigned seed)
{
    random_.seed(seed);
    seeded_ = true;
}

std::unique_ptr<ov::TextMeasurer> TDisplayCycle::Measurer(const QFont& font) const
{
    if (measurerFactory_)
        return measurerFactory_(font);
    return std::make_unique<ov::FontMeasurer>(font);
}

void TDisplayCycle::Tmr_DisplayTimer()
{
    // A minimised main window is out of the way: without a notification
    // area that is how the user sends the program to the background.
    const bool mainWindowUp = frm_.isVisible() && !frm_.isMinimized();
    if (frm_.mnu_Pause->isChecked() || mainWindowUp || !MsgFrm || MsgFrm->isVisible())
        return;
    ov::SharedState& st = frm_.State;
    const std::string phrase = ov::TrimPhrase(
        ov::NextPhrase(st.Pool, st.PhraseCursor, [this] { frm_.MessagesPage->BuildPhrasePool(); }));
    if (phrase.empty())
        return;

    // From here on an error leaves the timer off until something restarts it.
    frm_.Tmr_Display->SetEnabled(false);
    const QFont font = ov::DisplayQFont(st.DisplayFont);
    MsgFrm->setFont(ov::MaskFont(font));
    screen_ = PointerScreen();
    const ov::PhraseLayout layout = ov::LayoutPhrase(phrase, screen_.geometry.width(), *Measurer(font));
    MsgFrm->resize(layout.width, layout.height);

    if (!seeded_)
        SeedRandom(static_cast<unsigned>(std::rand()));
    const QPoint pos =
        ov::ChoosePosition(frm_.SettingsPage->PositionIndex(), screen_.geometry, MsgFrm->size(), random_);
    ShowPhrase(layout.text, pos.x(), pos.y());
}

ov::ScreenArea TDisplayCycle::PointerScreen() const
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

void TDisplayCycle::ShowPhrase(const std::string& text, int X, int Y)
{
    if (!MsgFrm)
        return;
    // Left first, then top, each move snapping on its own.
    const ov::ScreenArea* area = screen_.geometry.isEmpty() ? nullptr : &screen_;
    MsgFrm->MoveTo(X, MsgFrm->y(), area);
    MsgFrm->MoveTo(MsgFrm->x(), Y, area);

    const ov::DisplayFontSpec& fontSpec = frm_.State.DisplayFont;
    const QFont font = ov::DisplayQFont(fontSpec);
    const QColor colour = ov::DisplayQColor(fontSpec, MsgFrm->palette());
    ov::PhraseLayout layout;
    layout.text = text;
    layout.width = MsgFrm->width();
    layout.height = MsgFrm->height();
    layout.lineHeight = Measurer(font)->TextHeight("Mg");
    // The display time counts from the moment the window is on the screen,
    // not from the request to show it, which the window system may take a
    // while to carry out (creating the window, the first time).
    frm_.Timer1->SetInterval(frm_.SettingsPage->SpinEdit1->Value());
    QPointer<TMainFrm> frm(&frm_);
    MsgFrm->Present(layout, font, colour, frm_.SettingsPage->Trackbar1->value(), [frm] {
        if (frm)
            frm->Timer1->SetEnabled(true);
    });
}

void TDisplayCycle::Timer1Timer()
{
    if (MsgFrm)
        MsgFrm->Withdraw(); // first: the display time is up now
    frm_.Timer1->SetEnabled(false);
    frm_.Tmr_Display->SetEnabled(true);
}

void TDisplayCycle::mnu_PauseClick()
{
    frm_.Tmr_Display->SetEnabled(!frm_.mnu_Pause->isChecked());
}
