#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "display/glyphmask.h"
#include "display/layout.h"
#include "display/preview.h"
#include "display/windowsystem.h"
#include "display/ui/displaycycle.h"
#include "library/ui/messagespage.h"
#include "display/ui/phrasewindow.h"
#include "display/ui/phrasepreview.h"
#include "platform/intervaltimer.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"
#include "ui/widgetsupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QtTest/QTest>

#include <atomic>
#include <thread>
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
    bool xwayland = false;
    bool mappedAtOnce = false;
    std::atomic<int> unmaps {0}; // also from the hide timer's thread
    QRegion shape;
    QImage picture;
    std::function<void()> mapped;

    bool Compositing() override { return compositing; }
    bool Xwayland() override { return xwayland; }
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
    bool Map(unsigned long, std::chrono::steady_clock::time_point& confirmed) override
    {
        confirmed = std::chrono::steady_clock::now();
        return mappedAtOnce;
    }
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

class DisplayCycleTest : public ovtest::WindowTest {
protected:
    // One category with one ticked list; red 12-point text shown for 300 ms
    // at opacity 128 every 2 seconds, placed as given.
    MainWindow& Start(const std::string& phrases, int position = 1)
    {
        exe->MakeCategory("Daily", {{"List", phrases}});
        exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n"
                                  "[Daily-Settings]\nFontName=DejaVu Sans\nSize=12\nTextColor=255\n"
                                  "DisplayTime=300\nDisplayFreq=2\nOpacity=128\nPosition="
                                      + std::to_string(position) + "\n[Daily-Affirmations]\n0=List:True\n");
        MainWindow& window = MakeMain();
        Find<DisplayCycle>()->SeedRandom(42);
        return window;
    }
    void Tick() { DisplayTimer()->Fire(); }
    void Hide() { HideTimer()->Fire(); }
    // The phrase the window was laid out for, known by its width.
    int WidthOf(const std::string& phrase)
    {
        return ov::LayoutPhrase(phrase, QGuiApplication::primaryScreen()->geometry().width(),
                                ov::FontMeasurer(PhraseFont()))
            .width;
    }
};

TEST_F(DisplayCycleTest, TickShowsTheNextPhraseAndTheHideTimerRestartsTheCycle)
{
    Start("a\r\n   \r\nabcdef ghi\r\n");
    ASSERT_TRUE(DisplayTimer()->Enabled());
    ASSERT_FALSE(phraseWindow->isVisible());

    Tick();
    ASSERT_TRUE(phraseWindow->isVisible());
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 0);
    EXPECT_EQ(phraseWindow->width(), WidthOf("a"));
    EXPECT_FALSE(DisplayTimer()->Enabled());
    EXPECT_TRUE(HideTimer()->Enabled());
    EXPECT_EQ(HideTimer()->Interval(), 300);
    EXPECT_EQ(phraseWindow->Colour(), QColor(255, 0, 0));
    EXPECT_NEAR(phraseWindow->windowOpacity(), 128 / 255.0, 0.01);
    // Centred on the screen; the shape is the letter, not the rectangle.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(phraseWindow->pos(), QPoint(screen.width() / 2 - phraseWindow->width() / 2,
                                    screen.height() / 2 - phraseWindow->height() / 2));
    EXPECT_FALSE(phraseWindow->mask().isEmpty());
    EXPECT_NE(phraseWindow->mask(), QRegion(phraseWindow->rect()));

    Hide();
    EXPECT_FALSE(phraseWindow->isVisible());
    EXPECT_FALSE(HideTimer()->Enabled());
    EXPECT_TRUE(DisplayTimer()->Enabled());

    // The blank line costs one tick and shows nothing.
    Tick();
    EXPECT_FALSE(phraseWindow->isVisible());
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 1);
    EXPECT_TRUE(DisplayTimer()->Enabled());

    Tick();
    ASSERT_TRUE(phraseWindow->isVisible());
    EXPECT_EQ(phraseWindow->width(), WidthOf("abcdef ghi"));
    Hide();
    Tick(); // and round again
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 0);
    EXPECT_EQ(phraseWindow->width(), WidthOf("a"));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(DisplayCycleTest, TicksDoNothingWhilePausedMainWindowOpenOrPhraseShowing)
{
    MainWindow& window = Start("one\r\ntwo\r\n");
    PauseAction()->setChecked(true);
    Tick();
    PauseAction()->setChecked(false);
    window.show();
    Tick();
    window.hide();
    EXPECT_FALSE(phraseWindow->isVisible());
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), -1);
    EXPECT_TRUE(DisplayTimer()->Enabled());

    Tick();
    ASSERT_TRUE(phraseWindow->isVisible());
    Tick(); // a phrase is showing
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 0);
}

TEST_F(DisplayCycleTest, PausingWhileAPhraseShowsStillHidesItAndShowsNoMore)
{
    Start("one\r\ntwo\r\n");
    Tick();
    ASSERT_TRUE(phraseWindow->isVisible());
    PauseAction()->trigger(); // checks it, then runs the handler
    ASSERT_TRUE(PauseAction()->isChecked());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    Hide();
    EXPECT_FALSE(phraseWindow->isVisible());
    Tick();
    EXPECT_FALSE(phraseWindow->isVisible());
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 0);

    PauseAction()->trigger();
    EXPECT_TRUE(DisplayTimer()->Enabled());
    Tick();
    EXPECT_TRUE(phraseWindow->isVisible());
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 1);
}

TEST_F(DisplayCycleTest, AnEmptyPoolIsRebuiltFromDiskAtEachTick)
{
    Start("");
    Tick();
    EXPECT_FALSE(phraseWindow->isVisible());
    EXPECT_TRUE(DisplayTimer()->Enabled());
    exe->Write("Affirmations/Daily/List.txt", "first\r\nsecond\r\n");
    Tick();
    ASSERT_TRUE(phraseWindow->isVisible());
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 0);
    EXPECT_EQ(Find<MessagesPage>()->Phrases().Count(), 2u);
}

TEST_F(DisplayCycleTest, RandomPlacesStayOnScreenAndSnapToItsEdges)
{
    Start("Random place\r\n", 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    std::set<int> xs;
    for (int i = 0; i < 40; ++i) {
        Tick();
        ASSERT_TRUE(phraseWindow->isVisible());
        const QRect r = phraseWindow->geometry();
        EXPECT_TRUE(screen.contains(r)) << i;
        EXPECT_TRUE(r.left() == screen.left() || r.left() - screen.left() >= ov::SnapDistance) << r.left();
        EXPECT_TRUE(r.top() == screen.top() || r.top() - screen.top() >= ov::SnapDistance) << r.top();
        const int right = work.left() + work.width();
        EXPECT_TRUE(r.left() + r.width() == right || right - (r.left() + r.width()) >= ov::SnapDistance);
        xs.insert(r.left());
        Hide();
    }
    EXPECT_GT(xs.size(), 10u);
    EXPECT_EQ(Find<DisplayCycle>()->Turn(), 0);
}

TEST_F(DisplayCycleTest, PhrasesTooWideOrTooTallForTheMonitorStayOnIt)
{
    std::string chinese;
    for (int i = 0; i < 130; ++i)
        chinese += "\xE6\x84\x9B";
    std::string tall;
    for (int i = 0; i < 3000; ++i)
        tall += "word ";
    Start(chinese + "\r\n" + std::string(3100, 'x') + "\r\n" + tall + "\r\n", 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (int i = 0; i < 3; ++i) {
        Tick();
        ASSERT_TRUE(phraseWindow->isVisible()) << i;
        EXPECT_TRUE(screen.contains(phraseWindow->geometry())) << i;
        EXPECT_FALSE(phraseWindow->mask().isEmpty()) << i;
        Hide();
    }
    // The tall one was drawn smaller than the 12 points chosen.
    EXPECT_LT(phraseWindow->font().pointSize(), 12);
}

TEST_F(DisplayCycleTest, AFontWithoutWidthReportsTheErrorAndStopsTheTimer)
{
    Start("one\r\n");
    Find<DisplayCycle>()->SetMeasurerFactory([](const QFont&) { return std::make_unique<ZeroWidthMeasurer>(); });
    Tick();
    EXPECT_FALSE(phraseWindow->isVisible());
    EXPECT_FALSE(DisplayTimer()->Enabled());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, ov::MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("\"M\""), std::string::npos);
    // Closing the main window or un-pausing starts the timer again.
    PauseAction()->trigger();
    PauseAction()->trigger();
    EXPECT_TRUE(DisplayTimer()->Enabled());
}

TEST_F(DisplayCycleTest, TestPreviewShowsForTheDisplayTimeThenIsWiped)
{
    Start("one\r\n");
    auto* canvas = Find<PreviewCanvas>("previewCanvas");
    auto* test = Find<QPushButton>("testButton");
    EXPECT_EQ(canvas->size(), QSize(339, 35));
    EXPECT_EQ(test->text(), "Test Message");
    Find<QSlider>("contrastSlider")->setValue(50);
    test->click();
    EXPECT_FALSE(test->isEnabled());
    EXPECT_TRUE(PreviewTimer()->Enabled());
    EXPECT_EQ(PreviewTimer()->Interval(), 300);
    const QImage expected = ov::TestPreviewImage(QSize(339, 35), PhraseFont(), QColor(255, 0, 0), 50);
    EXPECT_EQ(canvas->Picture(), expected);

    PreviewTimer()->Fire();
    EXPECT_TRUE(test->isEnabled());
    EXPECT_FALSE(PreviewTimer()->Enabled());
    const QColor face = canvas->palette().color(QPalette::Button);
    EXPECT_EQ(canvas->Picture(), ov::WipedTestPreview(QSize(339, 35), face));
}

TEST_F(DisplayCycleTest, MoneyGreenPixelsOfTheMainWindowAreLeftOut)
{
    MainWindow& window = Start("one\r\n");
    window.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.mask().isEmpty()); // nothing painted in the key colour: the whole window

    auto* keyed = new QWidget(&window);
    keyed->setGeometry(10, 10, 40, 20);
    keyed->setAutoFillBackground(true);
    QPalette palette = keyed->palette();
    palette.setColor(QPalette::Window, QColor(192, 220, 192));
    keyed->setPalette(palette);
    keyed->show();
    window.hide();
    window.show();
    QCoreApplication::processEvents();
    const QRegion visible = window.mask();
    EXPECT_FALSE(visible.intersects(QRect(10, 10, 40, 20)));
    EXPECT_TRUE(visible.contains(QPoint(5, 5)));
    EXPECT_TRUE(visible.contains(QPoint(600, 400)));
    window.hide();
}

TEST_F(DisplayCycleTest, TheDisplayTimeCountsFromTheMapAndTheInkIsBlendedOnlyWhereNothingComposes)
{
    Start("one\r\ntwo\r\nthree\r\n");
    auto owned = std::make_unique<FakeWindowSystem>();
    FakeWindowSystem& ws = *owned;
    phraseWindow->SetWindowSystem(std::move(owned));

    // No compositing manager: the red ink at 128 of 255 is blended with the
    // white screen beneath into the picture, and the window is opaque.
    Tick();
    ASSERT_TRUE(phraseWindow->isVisible());
    EXPECT_FALSE(HideTimer()->Enabled()); // not on the screen yet
    ASSERT_TRUE(ws.mapped);
    ws.mapped();
    EXPECT_TRUE(HideTimer()->Enabled());
    EXPECT_EQ(HideTimer()->Interval(), 300);
    ASSERT_FALSE(ws.shape.isEmpty());
    EXPECT_TRUE(phraseWindow->Blended());
    EXPECT_EQ(phraseWindow->windowOpacity(), 1.0);
    const QPoint glyph = ws.shape.begin()->topLeft();
    EXPECT_EQ(ws.picture.pixel(glyph), qRgb(255, 127, 127));
    Hide();

    // A compositing manager, or Xwayland without one: a window of
    // per-pixel alpha replaces the opaque one; the glyphs are the ink at
    // 128 of 255 (premultiplied), the rest transparent, and the window
    // opacity stays whole so the contrast is not applied twice.
    const WId opaqueWindow = phraseWindow->winId();
    for (const bool manager : {true, false}) {
        ws.compositing = manager;
        ws.xwayland = !manager;
        Tick();
        ASSERT_TRUE(ws.mapped);
        ws.mapped();
        EXPECT_TRUE(phraseWindow->Translucent());
        EXPECT_FALSE(phraseWindow->Blended());
        EXPECT_NE(phraseWindow->winId(), opaqueWindow);
        EXPECT_EQ(phraseWindow->windowOpacity(), 1.0);
        EXPECT_EQ(ws.picture.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(ws.picture.pixel(ws.shape.begin()->topLeft()), qRgba(128, 0, 0, 128));
        const QRegion clear = QRegion(ws.picture.rect()) - ws.shape;
        ASSERT_FALSE(clear.isEmpty());
        EXPECT_EQ(ws.picture.pixel(clear.begin()->topLeft()), qRgba(0, 0, 0, 0));
        Hide();
    }

    // The compositor gone: an opaque window with the blend again.
    ws.xwayland = false;
    Tick();
    ASSERT_TRUE(ws.mapped);
    ws.mapped();
    EXPECT_FALSE(phraseWindow->Translucent());
    EXPECT_TRUE(phraseWindow->Blended());
    EXPECT_EQ(ws.picture.pixel(ws.shape.begin()->topLeft()), qRgb(255, 127, 127));
    Hide();

    // At the deadline the hide timer's own thread takes the phrase off the
    // screen while the UI thread is still busy (here: not serving events).
    Tick();
    ASSERT_TRUE(ws.mapped);
    ws.mapped();
    const int unmapsAtShow = ws.unmaps;
    QElapsedTimer busy;
    busy.start();
    while (ws.unmaps == unmapsAtShow && busy.elapsed() < 10000)
        std::this_thread::yield();
    EXPECT_EQ(ws.unmaps, unmapsAtShow + 1);
    EXPECT_TRUE(phraseWindow->isVisible()); // the toolkit's own hide is yet to come
    Hide();

    // Mapped by the time the show request is answered: the time starts.
    ws.mappedAtOnce = true;
    Tick();
    EXPECT_TRUE(HideTimer()->Enabled());
    EXPECT_FALSE(ws.mapped);
    const int unmapsBefore = ws.unmaps;
    Hide(); // straight to the server, the toolkit's hide after it
    EXPECT_EQ(ws.unmaps, unmapsBefore + 1);

    // A map that is never reported does not leave the phrase up for good.
    ws.mappedAtOnce = false;
    Tick();
    ws.mapped = nullptr;
    ASSERT_TRUE(phraseWindow->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return HideTimer()->Enabled(); }, 10000));
    Hide();
    EXPECT_FALSE(phraseWindow->isVisible());
}
