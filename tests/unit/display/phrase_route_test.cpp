#include "display/blend.h"
#include "display/phraseroute.h"

#include <gtest/gtest.h>

using namespace ov;

namespace {

// The window system's answers, as the test sets them.
struct Screen : NoWindowSystem {
    bool available = true;
    bool compositing = false;
    bool xwayland = false;
    bool Available() override { return available; }
    bool Compositing() override { return compositing; }
    bool Xwayland() override { return xwayland; }
};

// The route of a phrase the switch sends to X.
PhraseRoute XRoute(bool compositing, bool xwayland, bool available = true)
{
    Screen screen;
    screen.available = available;
    screen.compositing = compositing;
    screen.xwayland = xwayland;
    return ChoosePhraseRoute(SurfaceWish::XWindow, false, screen);
}

} // namespace

TEST(PhraseRoute, OnlyAPlainXServerWithoutACompositorGetsTheBlendedPicture)
{
    EXPECT_EQ(XRoute(false, false), PhraseRoute::BlendedWindow);
    EXPECT_EQ(XRoute(true, false), PhraseRoute::TranslucentWindow);
    EXPECT_EQ(XRoute(false, true), PhraseRoute::TranslucentWindow); // Xwayland has no manager to own the selection
    EXPECT_EQ(XRoute(true, true), PhraseRoute::TranslucentWindow);
    // No window system beyond the toolkit: its own mask and window opacity.
    EXPECT_EQ(XRoute(true, false, false), PhraseRoute::PlainWindow);

    EXPECT_TRUE(LooksLikeXwayland(true, {}));
    EXPECT_TRUE(LooksLikeXwayland(false, {"XWAYLAND0"}));
    EXPECT_TRUE(LooksLikeXwayland(false, {"DP-1", "XWAYLAND1"}));
    EXPECT_FALSE(LooksLikeXwayland(false, {}));
    EXPECT_FALSE(LooksLikeXwayland(false, {"screen", "DVI-0", "HDMI-1"}));
    EXPECT_FALSE(LooksLikeXwayland(false, {"MY-XWAYLAND0"}));
}

TEST(PhraseRoute, TheSwitchAndTheCompositorDecide)
{
    Screen plainX;
    std::string note;
    EXPECT_EQ(ParseSurfaceSwitch("", &note), SurfaceWish::Auto);
    EXPECT_EQ(ParseSurfaceSwitch("auto", &note), SurfaceWish::Auto);
    EXPECT_EQ(ParseSurfaceSwitch("x11", &note), SurfaceWish::XWindow);
    EXPECT_EQ(ParseSurfaceSwitch("layer-shell", &note), SurfaceWish::LayerShell);
    EXPECT_TRUE(note.empty());
    EXPECT_EQ(ParseSurfaceSwitch("wayland", &note), SurfaceWish::Auto);
    EXPECT_NE(note.find("ORVELLA_PHRASE_SURFACE=wayland"), std::string::npos) << note;

    // Connect only where a compositor is named and the switch allows it.
    EXPECT_TRUE(TryLayerShell(SurfaceWish::Auto, "wayland-0"));
    EXPECT_TRUE(TryLayerShell(SurfaceWish::LayerShell, "wayland-0"));
    EXPECT_FALSE(TryLayerShell(SurfaceWish::XWindow, "wayland-0"));
    EXPECT_FALSE(TryLayerShell(SurfaceWish::Auto, ""));

    EXPECT_EQ(ChoosePhraseRoute(SurfaceWish::Auto, true, plainX), PhraseRoute::LayerSurface);
    EXPECT_EQ(ChoosePhraseRoute(SurfaceWish::Auto, false, plainX), PhraseRoute::BlendedWindow); // GNOME, X11
    EXPECT_EQ(ChoosePhraseRoute(SurfaceWish::XWindow, true, plainX), PhraseRoute::BlendedWindow);
    EXPECT_EQ(ChoosePhraseRoute(SurfaceWish::LayerShell, true, plainX), PhraseRoute::LayerSurface);
    // Asked for and not to be had: not quietly the X window.
    EXPECT_EQ(ChoosePhraseRoute(SurfaceWish::LayerShell, false, plainX), PhraseRoute::Nowhere);
}

TEST(PhraseScreen, AStalePointerIsNeverFollowed)
{
    const std::vector<ScreenArea> screens = {{QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)},
                                             {QRect(1920, 0, 2560, 1440), QRect(1920, 0, 2560, 1440)}};
    const QPoint onSecond(2500, 700);
    EXPECT_EQ(PhraseScreen(screens, onSecond, true), 1u);
    EXPECT_EQ(PhraseScreen(screens, onSecond, false), 0u); // the primary monitor
}

// What a compositor makes of a premultiplied pixel over what is beneath.
int Over(QRgb p, int channel, int beneath)
{
    const int values[] = {qRed(p), qGreen(p), qBlue(p)};
    return values[channel] + (beneath * (255 - qAlpha(p)) + 127) / 255;
}

TEST(TranslucentPicture, GlyphsCarryTheContrastAsAlphaAndTheRestIsClear)
{
    const QRegion shape = QRegion(0, 0, 2, 1) + QRegion(3, 1, 1, 1);
    const QColor ink(255, 32, 160);
    const QImage plain = PhrasePicture(QSize(4, 2), shape, ink, 255);

    for (const int contrast : {0, 50, 128, 255}) {
        const QImage out = TranslucentPicture(plain, shape, contrast);
        ASSERT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(out.size(), QSize(4, 2));
        for (const QPoint glyph : {QPoint(0, 0), QPoint(1, 0), QPoint(3, 1)}) {
            const QRgb p = out.pixel(glyph);
            EXPECT_EQ(qAlpha(p), contrast);
            // Composed over any colour it is the blend the plain X server's
            // picture shows, within rounding.
            for (const int beneath : {0, 90, 255})
                for (int c = 0; c < 3; ++c) {
                    const int want = BlendChannel(c == 0 ? ink.red() : c == 1 ? ink.green() : ink.blue(), beneath,
                                                  contrast);
                    EXPECT_NEAR(Over(p, c, beneath), want, 1) << contrast << " over " << beneath;
                }
        }
        EXPECT_EQ(out.pixel(2, 0), qRgba(0, 0, 0, 0));
        EXPECT_EQ(out.pixel(0, 1), qRgba(0, 0, 0, 0));
    }
    // A shape reaching past the picture stops at its edge.
    EXPECT_EQ(TranslucentPicture(plain, QRegion(-2, -2, 100, 100), 255).pixel(3, 1), plain.pixel(3, 1));
    EXPECT_TRUE(TranslucentPicture(QImage(), shape, 128).isNull());
}
