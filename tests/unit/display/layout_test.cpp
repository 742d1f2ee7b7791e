#include "display/layout.h"
#include "display/wrap.h"
#include "platform/error.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace ov;

namespace {

// Every byte, CR and LF included, is `advance` wide; "Mg" is shorter than a
// full line so that the two heights cannot be confused.
class FakeMeasurer : public TextMeasurer {
public:
    explicit FakeMeasurer(int advance) : advance_(advance) {}
    int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * advance_; }
    int TextHeight(std::string_view text) const override { return text == "Mg" ? 18 : 20; }

private:
    int advance_;
};

std::string Words(int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += i ? " word" : "word";
    return s;
}

} // namespace

TEST(LayoutPhrase, WrapsToTheScreenAndMeasuresEveryLine)
{
    const PhraseLayout one = LayoutPhrase("Hello there", 1920, FakeMeasurer(16));
    EXPECT_EQ(one.text, "Hello there\r\n");
    EXPECT_EQ(one.width, 11 * 16);
    EXPECT_EQ(one.height, 20);
    EXPECT_EQ(one.lineHeight, 18);

    // 1920 / 16 = 120 columns: 24, 24 and 2 words.
    const PhraseLayout three = LayoutPhrase(Words(50), 1920, FakeMeasurer(16));
    EXPECT_EQ(PhraseLines(three.text).size(), 3u);
    EXPECT_EQ(three.width, 120 * 16); // the widest line, its final space included
    EXPECT_EQ(three.height, 20 + 2 * (18 + 2));
}

TEST(LayoutPhrase, ALineWiderThanTheScreenIsSplitToFitIt)
{
    // A word longer than a line breaks between its letters.
    const std::string word(200, 'x');
    const PhraseLayout layout = LayoutPhrase(word, 1920, FakeMeasurer(16));
    EXPECT_EQ(layout.text, std::string(120, 'x') + "\r\n" + std::string(80, 'x') + "\r\n");
    EXPECT_EQ(layout.width, 1920);
    EXPECT_EQ(layout.height, 20 + 18 + 2);
    // An open apostrophe keeps the columns from breaking; the screen still
    // breaks it, at spaces.
    const PhraseLayout quoted = LayoutPhrase("don't " + Words(40), 1920, FakeMeasurer(16));
    const std::vector<std::string> lines = PhraseLines(quoted.text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].back(), ' ');
    EXPECT_LE(quoted.width, 1920);
}

TEST(LayoutPhrase, EveryScriptStaysWithinTheScreen)
{
    QFont font("DejaVu Sans");
    font.setPointSize(28);
    const FontMeasurer m(font);
    std::string chinese, unbroken(3100, 'x');
    for (int i = 0; i < 130; ++i)
        chinese += "\xE6\x84\x9B"; // 愛
    for (const std::string& phrase : {chinese, unbroken, std::string(60, ' ') + "\xF0\x9F\x98\x80"}) {
        const PhraseLayout layout = LayoutPhrase(phrase, 1280, m);
        EXPECT_GT(layout.width, 0);
        EXPECT_LE(layout.width, 1280) << phrase.size();
        for (const std::string& line : PhraseLines(layout.text))
            EXPECT_LE(m.TextWidth(line), 1280) << line;
    }
}

TEST(FitPhrase, ATallPhraseIsDrawnSmallerUntilItFitsTheMonitor)
{
    // Glyphs as wide as the point size and lines twice as high.
    class SizedMeasurer : public TextMeasurer {
    public:
        explicit SizedMeasurer(int size) : size_(size) {}
        int TextWidth(std::string_view text) const override { return int(text.size()) * size_; }
        int TextHeight(std::string_view) const override { return 2 * size_; }

    private:
        int size_;
    };
    const MeasurerFactory factory = [](const QFont& f) {
        return std::make_unique<SizedMeasurer>(f.pointSize() > 0 ? f.pointSize() : f.pixelSize());
    };
    QFont font("DejaVu Sans");
    font.setPointSize(28);
    const QSize screen(800, 600);

    const FittedPhrase small = FitPhrase("Short one", screen, font, factory);
    EXPECT_EQ(small.font.pointSize(), 28);

    const FittedPhrase tall = FitPhrase(Words(400), screen, font, factory);
    EXPECT_LT(tall.font.pointSize(), 28);
    EXPECT_GE(tall.font.pointSize(), MinimumFitPoints);
    EXPECT_LE(tall.layout.height, 600);
    EXPECT_LE(tall.layout.width, 800);
    EXPECT_GT(tall.font.pointSize(), MinimumFitPoints);

    // Too long for the smallest size: cut at the bottom edge.
    const FittedPhrase huge = FitPhrase(Words(40000), screen, font, factory);
    EXPECT_EQ(huge.font.pointSize(), MinimumFitPoints);
    EXPECT_EQ(huge.layout.height, 600);
    // A font sized in pixels shrinks in pixels.
    QFont pixels("DejaVu Sans");
    pixels.setPixelSize(40);
    const FittedPhrase px = FitPhrase(Words(400), screen, pixels, factory);
    EXPECT_LT(px.font.pixelSize(), 40);
    EXPECT_LE(px.layout.height, 600);
}

TEST(LayoutPhrase, AFontWithoutWidthIsReported)
{
    try {
        LayoutPhrase("Hello", 1920, FakeMeasurer(0));
        FAIL() << "no error";
    } catch (const OvError& e) {
        EXPECT_NE(std::string(e.what()).find("\"M\""), std::string::npos) << e.what();
    }
}

TEST(FontMeasurer, MeasuresOneLineWhateverItsCharacters)
{
    QFont font("DejaVu Sans");
    font.setPointSize(12);
    const FontMeasurer m(font);
    EXPECT_GT(m.TextWidth("M"), 0);
    EXPECT_GT(m.TextWidth("MM"), m.TextWidth("M"));
    EXPECT_EQ(m.TextHeight("Mg"), m.TextHeight("several words\r\n"));
    const PhraseLayout layout = LayoutPhrase(Words(50), 1920, m);
    EXPECT_GT(PhraseLines(layout.text).size(), 1u);
    EXPECT_LE(layout.width, 1920 + m.TextWidth("word "));
}

TEST(ChoosePosition, CentresOnTheScreen)
{
    PlacementRandom random(1);
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(ChoosePosition(LocationCentered, screen, QSize(200, 40), random), QPoint(412, 364));
    // Odd sizes truncate; a window larger than the screen starts at its
    // top-left corner, never off it.
    EXPECT_EQ(ChoosePosition(LocationCentered, screen, QSize(201, 41), random), QPoint(412, 364));
    EXPECT_EQ(ChoosePosition(LocationCentered, screen, QSize(1100, 800), random), QPoint(0, 0));
    // On a second display the same place within it.
    EXPECT_EQ(ChoosePosition(LocationCentered, QRect(1920, 100, 1024, 768), QSize(200, 40), random),
              QPoint(2332, 464));
}

TEST(ChoosePosition, RandomStaysOnTheScreen)
{
    PlacementRandom random(42);
    const QRect screen(0, 0, 1024, 768);
    const QSize window(300, 100);
    bool atRight = false;
    bool atBottom = false;
    bool inside = false;
    for (int i = 0; i < 2000; ++i) {
        const QPoint p = ChoosePosition(LocationRandom, screen, window, random);
        ASSERT_GE(p.x(), 0);
        ASSERT_LE(p.x(), 1024 - 300);
        ASSERT_GE(p.y(), 0);
        ASSERT_LE(p.y(), 768 - 100);
        atRight |= p.x() == 1024 - 300;
        atBottom |= p.y() == 768 - 100;
        inside |= p.x() > 0 && p.x() < 1024 - 300 && p.y() > 0 && p.y() < 768 - 100;
    }
    EXPECT_TRUE(atRight && atBottom && inside);
    // Wider than the screen: always at its left edge.
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(ChoosePosition(LocationRandom, screen, QSize(1100, 40), random).x(), 0);
    // One seed, one sequence.
    PlacementRandom a(7), b(7);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ChoosePosition(LocationRandom, screen, window, a), ChoosePosition(LocationRandom, screen, window, b));
}

TEST(ChoosePosition, NoLocationStartsAtTheTopLeft)
{
    PlacementRandom random(1);
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(ChoosePosition(LocationNone, screen, QSize(200, 40), random), QPoint(0, 0));
    EXPECT_EQ(ChoosePosition(LocationNone, screen, QSize(1100, 40), random), QPoint(0, 0));
}

TEST(SnapToWorkArea, SnapsEachEdgeInOrder)
{
    const QRect display(0, 0, 1024, 768);
    const QRect work(0, 0, 1024, 728); // a 40-pixel panel at the bottom
    const QSize w(200, 40);
    EXPECT_EQ(SnapToWorkArea({30, 300}, w, display, work), QPoint(0, 300));
    EXPECT_EQ(SnapToWorkArea({-49, 300}, w, display, work), QPoint(0, 300));
    EXPECT_EQ(SnapToWorkArea({300, 49}, w, display, work), QPoint(300, 0));
    EXPECT_EQ(SnapToWorkArea({300, 50}, w, display, work), QPoint(300, 50));
    EXPECT_EQ(SnapToWorkArea({800, 300}, w, display, work), QPoint(824, 300));
    EXPECT_EQ(SnapToWorkArea({300, 650}, w, display, work), QPoint(300, 688));
    EXPECT_EQ(SnapToWorkArea({500, 300}, w, display, work), QPoint(500, 300));
    // The right edge wins over the left one, as it comes later.
    EXPECT_EQ(SnapToWorkArea({10, 300}, w, display, QRect(0, 0, 240, 728)), QPoint(40, 300));
    // (0, 0) is left alone; one pixel lower, a wide window snaps right.
    EXPECT_EQ(SnapToWorkArea({0, 0}, QSize(1000, 40), display, work), QPoint(0, 0));
    EXPECT_EQ(SnapToWorkArea({0, 1}, QSize(1000, 40), display, work), QPoint(24, 0));
    // A window as wide as the display beside a panel stays on the display.
    EXPECT_EQ(SnapToWorkArea({0, 300}, QSize(1024, 40), display, QRect(0, 0, 984, 768)), QPoint(0, 300));
}

TEST(SnapToWorkArea, WorksOnASecondDisplay)
{
    const QRect display(1920, 0, 1280, 1024);
    EXPECT_EQ(SnapToWorkArea({1940, 500}, QSize(100, 30), display, display), QPoint(1920, 500));
    EXPECT_EQ(SnapToWorkArea({3140, 980}, QSize(100, 30), display, display), QPoint(3100, 994));
}

TEST(ScreenForPointer, PhrasesGoToTheMonitorHoldingThePointer)
{
    // A laptop (primary, panel at the bottom) and a larger monitor to its
    // right whose top edge is lower, with a panel on its left.
    const std::vector<ScreenArea> screens = {
        {QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 740)},
        {QRect(1366, 100, 1920, 1080), QRect(1406, 100, 1880, 1080)},
    };
    const QPoint onLaptop(10, 10), onMonitor(2000, 600), belowLaptop(500, 1000), nearMonitor(1300, 1150);
    EXPECT_EQ(ScreenForPointer(screens, &onLaptop), 0u);
    EXPECT_EQ(ScreenForPointer(screens, &onMonitor), 1u);
    EXPECT_EQ(ScreenForPointer(screens, &belowLaptop), 0u); // nearest
    EXPECT_EQ(ScreenForPointer(screens, &nearMonitor), 1u);
    EXPECT_EQ(ScreenForPointer(screens, nullptr), 0u);

    // Centred and random places, the keep-on-screen rule and the snapping
    // all use the monitor that was picked.
    const ScreenArea& monitor = screens[ScreenForPointer(screens, &onMonitor)];
    PlacementRandom random(7);
    EXPECT_EQ(ChoosePosition(LocationCentered, monitor.geometry, QSize(200, 40), random), QPoint(2226, 620));
    for (int i = 0; i < 200; ++i) {
        const QPoint p = ChoosePosition(LocationRandom, monitor.geometry, QSize(300, 60), random);
        const QPoint snapped = SnapToWorkArea(p, QSize(300, 60), monitor.geometry, monitor.workArea);
        ASSERT_TRUE(monitor.geometry.contains(QRect(snapped, QSize(300, 60)))) << p.x() << "," << p.y();
    }
    // Within 50 pixels of that monitor's left, right and bottom edges.
    EXPECT_EQ(SnapToWorkArea(QPoint(1390, 700), QSize(300, 60), monitor.geometry, monitor.workArea),
              QPoint(1366, 700));
    EXPECT_EQ(SnapToWorkArea(QPoint(3000, 1130), QSize(300, 60), monitor.geometry, monitor.workArea),
              QPoint(2986, 1120));
}
