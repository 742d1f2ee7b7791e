#include "display/blend.h"
#include "display/phraseroute.h"

#include <gtest/gtest.h>

using namespace ov;

TEST(PhraseRoute, OnlyAPlainXServerWithoutACompositorGetsTheBlendedPicture)
{
    EXPECT_EQ(ChoosePhraseRoute(false, false), PhraseRoute::Blended);
    EXPECT_EQ(ChoosePhraseRoute(true, false), PhraseRoute::Translucent);
    EXPECT_EQ(ChoosePhraseRoute(false, true), PhraseRoute::Translucent); // Xwayland has no manager to own the selection
    EXPECT_EQ(ChoosePhraseRoute(true, true), PhraseRoute::Translucent);

    EXPECT_TRUE(LooksLikeXwayland(true, {}));
    EXPECT_TRUE(LooksLikeXwayland(false, {"XWAYLAND0"}));
    EXPECT_TRUE(LooksLikeXwayland(false, {"DP-1", "XWAYLAND1"}));
    EXPECT_FALSE(LooksLikeXwayland(false, {}));
    EXPECT_FALSE(LooksLikeXwayland(false, {"screen", "DVI-0", "HDMI-1"}));
    EXPECT_FALSE(LooksLikeXwayland(false, {"MY-XWAYLAND0"}));
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

TEST(TranslucentPicture, GlyphsCarryTheOpacityAsAlphaAndTheRestIsClear)
{
    const QRegion shape = QRegion(0, 0, 2, 1) + QRegion(3, 1, 1, 1);
    const QColor ink(255, 32, 160);
    const QImage plain = PhrasePicture(QSize(4, 2), shape, ink, 255);

    for (const int opacity : {0, 50, 128, 255}) {
        const QImage out = TranslucentPicture(plain, shape, opacity);
        ASSERT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(out.size(), QSize(4, 2));
        for (const QPoint glyph : {QPoint(0, 0), QPoint(1, 0), QPoint(3, 1)}) {
            const QRgb p = out.pixel(glyph);
            EXPECT_EQ(qAlpha(p), opacity);
            // Composed over any colour it is the blend the plain X server's
            // picture shows, within rounding.
            for (const int beneath : {0, 90, 255})
                for (int c = 0; c < 3; ++c) {
                    const int want = BlendChannel(c == 0 ? ink.red() : c == 1 ? ink.green() : ink.blue(), beneath,
                                                  opacity);
                    EXPECT_NEAR(Over(p, c, beneath), want, 1) << opacity << " over " << beneath;
                }
        }
        EXPECT_EQ(out.pixel(2, 0), qRgba(0, 0, 0, 0));
        EXPECT_EQ(out.pixel(0, 1), qRgba(0, 0, 0, 0));
    }
    // A shape reaching past the picture stops at its edge.
    EXPECT_EQ(TranslucentPicture(plain, QRegion(-2, -2, 100, 100), 255).pixel(3, 1), plain.pixel(3, 1));
    EXPECT_TRUE(TranslucentPicture(QImage(), shape, 128).isNull());
}
