#include "app/ui/ovForms.h"
#include "app/ui/ovMain.h"
#include "display/ovGlyphMask.h"
#include "display/ovLayout.h"
#include "display/ovPreview.h"
#include "display/ovWindowSystem.h"
#include "display/ui/ovDisplayCycle.h"
#include "display/ui/ovMsgFrm.h"
#include "display/ui/ovTestPreview.h"
#include "platform/ovTimer.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"
#include "ui/ovWidgetSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QtTest/QTest>
#include <set>

namespace {

// Measures like the real font, except that nothing has any width.
class ZeroWidthMeasurer : public ov::TextMeasurer {
public:
    int TextWidth(std::string_view) const override { return 0; }
    int TextHeight(std::string_view) const override { return 14; }
};

// Stands in for the X server: a compositing manager or none, a white
// screen beneath, and the map reported when the test says so.
struct FakeWindowSystem : ov::WindowSystem {
    bool compositing = false;
    bool mappedAtOnce = false;
    int unmaps = 0;
    QRegion shape;
    QImage picture;
    std::function<void()> mapped;

    bool Compositing() override { return compositing; }
    QImage GrabScreen(const QRect& area) override
    {
        QImage white(area.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }
    bool Prepare(unsigned long, const QRegion& s, const QImage& p) override
    {
        shape = s;
        picture = p;
        return true;
    }
    bool Map(unsigned long) override { return mappedAtOnce; }
    void Unmap(unsigned long) override { ++unmaps; }
    bool WatchMap(unsigned long, std::function<void()> call) override
    {
        mapped = std::move(call);
        return true;
    }
};

QFont PhraseFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    return font;
}

} // namespace

class DisplayCycle : public ovtest::FormTest {
protected:
    // One category with one ticked list; red 12-point text shown for 300 ms
    // at opacity 128 every 2 seconds, placed as given.
    TMainFrm& Start(const std::string& phrases, int position = 1)
    {
        exe->MakeCategory("Daily", {{"List", phrases}});
        exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n"
                                  "[Daily-Settings]\nFontName=DejaVu Sans\nSize=12\nTextColor=255\n"
                                  "DisplayTime=300\nDisplayFreq=2\nOpacity=128\nPosition="
                                      + std::to_string(position) + "\n[Daily-Affirmations]\n0=List:True\n");
        TMainFrm& frm = MakeMain();
        frm.Display->SeedRandom(42);
        return frm;
    }
    void Tick() { main->Tmr_Display->Fire(); }
    void Hide() { main->Timer1->Fire(); }
    // The phrase the window was laid out for, known by its width.
    int WidthOf(const std::string& phrase)
    {
        return ov::LayoutPhrase(phrase, QGuiApplication::primaryScreen()->geometry().width(),
                                ov::FontMeasurer(PhraseFont()))
            .width;
    }
};

TEST_F(DisplayCycle, TickShowsTheNextPhraseAndTheHideTimerRestartsTheCycle)
{
    TMainFrm& frm = Start("a\r\n   \r\nabcdef ghi\r\n");
    ASSERT_TRUE(frm.Tmr_Display->Enabled());
    ASSERT_FALSE(MsgFrm->isVisible());

    Tick();
    ASSERT_TRUE(MsgFrm->isVisible());
    EXPECT_EQ(frm.State.PhraseCursor, 0);
    EXPECT_EQ(MsgFrm->width(), WidthOf("a"));
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
    EXPECT_TRUE(frm.Timer1->Enabled());
    EXPECT_EQ(frm.Timer1->Interval(), 300);
    EXPECT_EQ(MsgFrm->Colour(), QColor(255, 0, 0));
    EXPECT_NEAR(MsgFrm->windowOpacity(), 128 / 255.0, 0.01);
    // Centred on the screen; the shape is the letter, not the rectangle.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(MsgFrm->pos(), QPoint(screen.width() / 2 - MsgFrm->width() / 2,
                                    screen.height() / 2 - MsgFrm->height() / 2));
    EXPECT_FALSE(MsgFrm->mask().isEmpty());
    EXPECT_NE(MsgFrm->mask(), QRegion(MsgFrm->rect()));

    Hide();
    EXPECT_FALSE(MsgFrm->isVisible());
    EXPECT_FALSE(frm.Timer1->Enabled());
    EXPECT_TRUE(frm.Tmr_Display->Enabled());

    // The blank line costs one tick and shows nothing.
    Tick();
    EXPECT_FALSE(MsgFrm->isVisible());
    EXPECT_EQ(frm.State.PhraseCursor, 1);
    EXPECT_TRUE(frm.Tmr_Display->Enabled());

    Tick();
    ASSERT_TRUE(MsgFrm->isVisible());
    EXPECT_EQ(MsgFrm->width(), WidthOf("abcdef ghi"));
    Hide();
    Tick(); // and round again
    EXPECT_EQ(frm.State.PhraseCursor, 0);
    EXPECT_EQ(MsgFrm->width(), WidthOf("a"));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(DisplayCycle, TicksDoNothingWhilePausedMainWindowOpenOrPhraseShowing)
{
    TMainFrm& frm = Start("one\r\ntwo\r\n");
    frm.mnu_Pause->setChecked(true);
    Tick();
    frm.mnu_Pause->setChecked(false);
    frm.show();
    Tick();
    frm.hide();
    EXPECT_FALSE(MsgFrm->isVisible());
    EXPECT_EQ(frm.State.PhraseCursor, -1);
    EXPECT_TRUE(frm.Tmr_Display->Enabled());

    Tick();
    ASSERT_TRUE(MsgFrm->isVisible());
    Tick(); // a phrase is showing
    EXPECT_EQ(frm.State.PhraseCursor, 0);
}

TEST_F(DisplayCycle, PausingWhileAPhraseShowsStillHidesItAndShowsNoMore)
{
    TMainFrm& frm = Start("one\r\ntwo\r\n");
    Tick();
    ASSERT_TRUE(MsgFrm->isVisible());
    frm.mnu_Pause->trigger(); // checks it, then runs the handler
    ASSERT_TRUE(frm.mnu_Pause->isChecked());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
    Hide();
    EXPECT_FALSE(MsgFrm->isVisible());
    Tick();
    EXPECT_FALSE(MsgFrm->isVisible());
    EXPECT_EQ(frm.State.PhraseCursor, 0);

    frm.mnu_Pause->trigger();
    EXPECT_TRUE(frm.Tmr_Display->Enabled());
    Tick();
    EXPECT_TRUE(MsgFrm->isVisible());
    EXPECT_EQ(frm.State.PhraseCursor, 1);
}

TEST_F(DisplayCycle, AnEmptyPoolIsRebuiltFromDiskAtEachTick)
{
    TMainFrm& frm = Start("");
    Tick();
    EXPECT_FALSE(MsgFrm->isVisible());
    EXPECT_TRUE(frm.Tmr_Display->Enabled());
    exe->Write("Affirmations/Daily/List.txt", "first\r\nsecond\r\n");
    Tick();
    ASSERT_TRUE(MsgFrm->isVisible());
    EXPECT_EQ(frm.State.PhraseCursor, 0);
    EXPECT_EQ(frm.State.Pool.Count(), 2u);
}

TEST_F(DisplayCycle, RandomPlacesStayOnScreenAndSnapToItsEdges)
{
    TMainFrm& frm = Start("Random place\r\n", 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    std::set<int> xs;
    for (int i = 0; i < 40; ++i) {
        Tick();
        ASSERT_TRUE(MsgFrm->isVisible());
        const QRect r = MsgFrm->geometry();
        EXPECT_TRUE(screen.contains(r)) << i;
        EXPECT_TRUE(r.left() == screen.left() || r.left() - screen.left() >= ov::SnapDistance) << r.left();
        EXPECT_TRUE(r.top() == screen.top() || r.top() - screen.top() >= ov::SnapDistance) << r.top();
        const int right = work.left() + work.width();
        EXPECT_TRUE(r.left() + r.width() == right || right - (r.left() + r.width()) >= ov::SnapDistance);
        xs.insert(r.left());
        Hide();
    }
    EXPECT_GT(xs.size(), 10u);
    EXPECT_EQ(frm.State.PhraseCursor, 0);
}

TEST_F(DisplayCycle, AFontWithoutWidthReportsTheErrorAndStopsTheTimer)
{
    TMainFrm& frm = Start("one\r\n");
    frm.Display->SetMeasurerFactory([](const QFont&) { return std::make_unique<ZeroWidthMeasurer>(); });
    Tick();
    EXPECT_FALSE(MsgFrm->isVisible());
    EXPECT_FALSE(frm.Tmr_Display->Enabled());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, ov::MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("\"M\""), std::string::npos);
    // Closing the main window or un-pausing starts the timer again.
    frm.mnu_Pause->trigger();
    frm.mnu_Pause->trigger();
    EXPECT_TRUE(frm.Tmr_Display->Enabled());
}

TEST_F(DisplayCycle, TestPreviewShowsForTheDisplayTimeThenIsWiped)
{
    TMainFrm& frm = Start("one\r\n");
    TTestPreview& preview = *frm.Display->TestPreview;
    EXPECT_EQ(preview.PaintBox1->size(), QSize(339, 35));
    EXPECT_EQ(preview.Btn_Test->text(), "Test Message");
    frm.SettingsPage->Trackbar1->setValue(50);
    preview.Btn_Test->click();
    EXPECT_FALSE(preview.Btn_Test->isEnabled());
    EXPECT_TRUE(frm.Tmr_Test->Enabled());
    EXPECT_EQ(frm.Tmr_Test->Interval(), 300);
    const QImage expected = ov::TestPreviewImage(QSize(339, 35), PhraseFont(), QColor(255, 0, 0), 50);
    EXPECT_EQ(preview.PaintBox1->Picture(), expected);

    frm.Tmr_Test->Fire();
    EXPECT_TRUE(preview.Btn_Test->isEnabled());
    EXPECT_FALSE(frm.Tmr_Test->Enabled());
    const QColor face = preview.PaintBox1->palette().color(QPalette::Button);
    EXPECT_EQ(preview.PaintBox1->Picture(), ov::WipedTestPreview(QSize(339, 35), face));
}

TEST_F(DisplayCycle, MoneyGreenPixelsOfTheMainWindowAreLeftOut)
{
    TMainFrm& frm = Start("one\r\n");
    frm.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frm.mask().isEmpty()); // nothing painted in the key colour: the whole window

    auto* keyed = new QWidget(&frm);
    keyed->setGeometry(10, 10, 40, 20);
    keyed->setAutoFillBackground(true);
    QPalette palette = keyed->palette();
    palette.setColor(QPalette::Window, QColor(192, 220, 192));
    keyed->setPalette(palette);
    keyed->show();
    frm.hide();
    frm.show();
    QCoreApplication::processEvents();
    const QRegion visible = frm.mask();
    EXPECT_FALSE(visible.intersects(QRect(10, 10, 40, 20)));
    EXPECT_TRUE(visible.contains(QPoint(5, 5)));
    EXPECT_TRUE(visible.contains(QPoint(600, 400)));
    frm.hide();
}

TEST_F(DisplayCycle, TheDisplayTimeCountsFromTheMapAndTheInkIsBlendedWithoutACompositor)
{
    TMainFrm& frm = Start("one\r\ntwo\r\nthree\r\n");
    auto owned = std::make_unique<FakeWindowSystem>();
    FakeWindowSystem& ws = *owned;
    MsgFrm->SetWindowSystem(std::move(owned));

    // No compositing manager: the red ink at 128 of 255 is blended with the
    // white screen beneath into the picture, and the window is opaque.
    Tick();
    ASSERT_TRUE(MsgFrm->isVisible());
    EXPECT_FALSE(frm.Timer1->Enabled()); // not on the screen yet
    ASSERT_TRUE(ws.mapped);
    ws.mapped();
    EXPECT_TRUE(frm.Timer1->Enabled());
    EXPECT_EQ(frm.Timer1->Interval(), 300);
    ASSERT_FALSE(ws.shape.isEmpty());
    EXPECT_TRUE(MsgFrm->Blended());
    EXPECT_EQ(MsgFrm->windowOpacity(), 1.0);
    const QPoint glyph = ws.shape.begin()->topLeft();
    EXPECT_EQ(ws.picture.pixel(glyph), qRgb(255, 127, 127));
    Hide();

    // A compositing manager: plain ink, the window carries the opacity.
    ws.compositing = true;
    Tick();
    ASSERT_TRUE(ws.mapped);
    ws.mapped();
    EXPECT_FALSE(MsgFrm->Blended());
    EXPECT_NEAR(MsgFrm->windowOpacity(), 128 / 255.0, 0.01);
    EXPECT_EQ(ws.picture.pixel(ws.shape.begin()->topLeft()), qRgb(255, 0, 0));
    Hide();

    // Mapped by the time the show request is answered: the time starts.
    ws.mappedAtOnce = true;
    Tick();
    EXPECT_TRUE(frm.Timer1->Enabled());
    EXPECT_FALSE(ws.mapped);
    const int unmapsBefore = ws.unmaps;
    Hide(); // straight to the server, the toolkit's hide after it
    EXPECT_EQ(ws.unmaps, unmapsBefore + 1);

    // A map that is never reported does not leave the phrase up for good.
    ws.mappedAtOnce = false;
    Tick();
    ws.mapped = nullptr;
    ASSERT_TRUE(MsgFrm->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frm.Timer1->Enabled(); }, 10000));
    Hide();
    EXPECT_FALSE(MsgFrm->isVisible());
}
