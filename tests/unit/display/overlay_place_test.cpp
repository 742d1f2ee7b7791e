#include "display/blend.h"
#include "display/overlay.h"
#include "display/phraseroute.h"

#include <gtest/gtest.h>

using namespace ov;

TEST(OverlayPlace, TheXPlaceCarriesOverToTheRoomTheCompositorOffers)
{
    const QRect screen(1920, 0, 1920, 1080); // a second monitor
    const QSize phrase(200, 40);
    const QSize area(1280, 690);              // another output, less a bar
    const auto margins = [&](QPoint at) {
        return OverlayMargins(PlaceFromWindow(false, screen, QRect(at, phrase)), area, phrase);
    };
    // The corners stay corners, the middle stays the middle.
    EXPECT_EQ(margins(QPoint(1920, 0)), QPoint(0, 0));
    EXPECT_EQ(margins(QPoint(1920 + 1720, 1040)), QPoint(1080, 650));
    EXPECT_EQ(margins(QPoint(1920 + 860, 520)), QPoint(540, 325));
    // A place beyond the screen (snapped past its edge) stays inside.
    EXPECT_EQ(margins(QPoint(1900, 1200)), QPoint(0, 650));
    // A phrase larger than the room starts at its edge, never before it.
    EXPECT_EQ(OverlayMargins(OverlayPlace{false, 1.0, 1.0}, QSize(100, 30), phrase), QPoint(0, 0));
    // No room known (the compositor said 0): the top-left corner.
    EXPECT_EQ(OverlayMargins(OverlayPlace{false, 0.5, 0.5}, QSize(0, 0), phrase), QPoint(0, 0));
    // A phrase as large as its screen has no room to move in.
    const OverlayPlace full = PlaceFromWindow(true, screen, screen);
    EXPECT_TRUE(full.centred);
    EXPECT_EQ(full.across, 0.0);
    EXPECT_EQ(full.down, 0.0);
}

TEST(TranslucentPicture, GlyphsAtTheContrastPremultipliedTransparentElsewhere)
{
    QImage ink(4, 2, QImage::Format_RGB32);
    ink.fill(qRgb(255, 255, 255));
    ink.setPixel(0, 0, qRgb(255, 32, 160));
    ink.setPixel(1, 0, qRgb(10, 200, 30)); // a colour glyph keeps its colour
    ink.setDevicePixelRatio(2.0);
    const QRegion shape = QRegion(0, 0, 2, 1) + QRegion(3, 1, 5, 5); // partly outside

    const QImage out = TranslucentPicture(ink, shape, 90);
    ASSERT_EQ(out.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(out.size(), ink.size());
    EXPECT_EQ(out.devicePixelRatio(), 2.0);
    const auto word = [&](int x, int y) { return reinterpret_cast<const QRgb*>(out.constScanLine(y))[x]; };
    EXPECT_EQ(qAlpha(word(0, 0)), 90);
    // Over any background the compositor's blend is the X route's blend.
    for (int beneath : {0, 90, 255}) {
        const QRgb p = word(0, 0);
        for (auto [channel, ink] : {std::pair{qRed(p), 255}, {qGreen(p), 32}, {qBlue(p), 160}}) {
            const int shown = channel + (beneath * (255 - qAlpha(p)) + 127) / 255;
            EXPECT_NEAR(shown, BlendChannel(ink, beneath, 90), 1);
        }
    }
    EXPECT_EQ(word(1, 0), qRgba((10 * 90 + 127) / 255, (200 * 90 + 127) / 255, (30 * 90 + 127) / 255, 90));
    EXPECT_EQ(word(3, 1), qRgba(90, 90, 90, 90)); // white ink stays ink
    for (QPoint off : {QPoint(2, 0), QPoint(3, 0), QPoint(0, 1), QPoint(2, 1)})
        EXPECT_EQ(word(off.x(), off.y()), 0u) << off.x() << "," << off.y();
    EXPECT_EQ(qAlpha(TranslucentPicture(ink, shape, 255).pixel(0, 0)), 255);
    EXPECT_TRUE(TranslucentPicture(QImage(), shape, 90).isNull());
}
