#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "display/overlay.h"
#include "display/ui/displaycycle.h"
#include "display/ui/phrasewindow.h"
#include "platform/intervaltimer.h"
#include "ui/widgetsupport.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Stands in for the compositor's overlay: records what it is given and
// reports the phrase on the screen when the test says so.
struct FakeOverlay : ov::PhraseOverlay {
    bool usable = true;
    int scale = 1;
    int shows = 0;
    int hides = 0;
    QImage picture;
    ov::OverlayPlace place;
    std::function<void()> onScreen;

    bool Usable() const override { return usable; }
    int Scale() const override { return scale; }
    void Show(const QImage& p, const ov::OverlayPlace& at, std::function<void()> call) override
    {
        ++shows;
        picture = p;
        place = at;
        onScreen = std::move(call);
    }
    void Hide() override
    {
        ++hides;
        onScreen = nullptr;
    }
};

class OverlayTest : public ovtest::WindowTest {
protected:
    // Red phrases at opacity 128 for 300 ms, placed as given.
    FakeOverlay& Start(int position)
    {
        exe->MakeCategory("Daily", {{"List", "one\r\ntwo\r\n"}});
        exe->Write("Orvella.ini", "[General]\nGroupIndex=0\n"
                                  "[Daily-Settings]\nFontName=DejaVu Sans\nSize=12\nTextColor=255\n"
                                  "DisplayTime=300\nDisplayFreq=2\nOpacity=128\nPosition="
                                      + std::to_string(position) + "\n[Daily-Affirmations]\n0=List:True\n");
        MakeMain();
        Find<DisplayCycle>()->SeedRandom(7);
        auto owned = std::make_unique<FakeOverlay>();
        FakeOverlay& fake = *owned;
        phraseWindow->SetOverlay(std::move(owned));
        return fake;
    }
};

} // namespace

TEST_F(OverlayTest, ThePhraseGoesToTheOverlayAndItsTimeStartsWhenTheCompositorSaysSo)
{
    FakeOverlay& overlay = Start(ov::LocationCentered);
    DisplayTimer()->Fire();
    ASSERT_EQ(overlay.shows, 1);
    EXPECT_FALSE(phraseWindow->isVisible()); // not the X window as well
    EXPECT_TRUE(overlay.place.centred);
    EXPECT_FALSE(HideTimer()->Enabled()); // not on the screen yet
    // Glyph pixels in red at the contrast, transparent around them.
    const QImage& p = overlay.picture;
    ASSERT_EQ(p.size(), QSize(phraseWindow->width(), phraseWindow->height()));
    int glyphs = 0, clear = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb px = reinterpret_cast<const QRgb*>(p.constScanLine(y))[x];
            if (px == 0)
                ++clear;
            else if (px == qRgba(128, 0, 0, 128))
                ++glyphs;
        }
    EXPECT_GT(glyphs, 0);
    EXPECT_GT(clear, 0);
    EXPECT_EQ(glyphs + clear, p.width() * p.height());

    ASSERT_TRUE(overlay.onScreen);
    overlay.onScreen();
    EXPECT_TRUE(HideTimer()->Enabled());
    EXPECT_EQ(HideTimer()->Interval(), 300);
    HideTimer()->Fire();
    EXPECT_EQ(overlay.hides, 1);
    EXPECT_TRUE(DisplayTimer()->Enabled());

    // The overlay lost (its connection gone): the X window takes over.
    overlay.usable = false;
    DisplayTimer()->Fire();
    EXPECT_EQ(overlay.shows, 1);
    EXPECT_TRUE(phraseWindow->isVisible());
    HideTimer()->Fire();
    EXPECT_FALSE(phraseWindow->isVisible());
}

TEST_F(OverlayTest, ARandomPlaceIsTheShareOfTheRoomOnTheXScreen)
{
    FakeOverlay& overlay = Start(ov::LocationRandom);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (int flash = 0; flash < 3; ++flash) {
        DisplayTimer()->Fire();
        ASSERT_EQ(overlay.shows, flash + 1);
        EXPECT_FALSE(overlay.place.centred);
        const QRect w = phraseWindow->geometry();
        EXPECT_NEAR(overlay.place.across, double(w.left() - screen.left()) / (screen.width() - w.width()), 1e-9);
        EXPECT_NEAR(overlay.place.down, double(w.top() - screen.top()) / (screen.height() - w.height()), 1e-9);
        overlay.onScreen();
        HideTimer()->Fire();
    }
    // A scaled output gets the letters drawn at its resolution.
    overlay.scale = 2;
    DisplayTimer()->Fire();
    EXPECT_EQ(overlay.picture.size(), phraseWindow->size() * 2);
    EXPECT_EQ(overlay.picture.devicePixelRatio(), 2.0);
}
