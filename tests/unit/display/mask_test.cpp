#include "display/glyphmask.h"
#include "display/layout.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <random>

using namespace ov;

namespace {

// Blocks of a few colours, so rows repeat and bands form, with noise on top.
QImage RandomImage(std::mt19937& random, int w, int h, QImage::Format format)
{
    const QRgb colours[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 30, 30), qRgb(255, 255, 254)};
    std::uniform_int_distribution<int> pick(0, 3);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int i = 0; i < 12; ++i) {
        std::uniform_int_distribution<int> x(-5, w), y(-5, h), size(1, std::max(2, w / 3));
        p.fillRect(x(random), y(random), size(random), size(random), QColor(colours[pick(random)]));
    }
    p.end();
    std::uniform_int_distribution<int> px(0, w - 1), py(0, h - 1);
    for (int i = 0; i < w * h / 20; ++i)
        image.setPixel(px(random), py(random), colours[pick(random)]);
    return image.convertToFormat(format);
}

void ExpectCoversExactlyTheDifferingPixels(const QRegion& region, const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(region.contains(QPoint(x, y)), (image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                << "pixel " << x << "," << y;
}

QFont TestFont(int points)
{
    QFont font("DejaVu Sans");
    font.setPointSize(points);
    return font;
}

} // namespace

TEST(RegionFromBitmap, MatchesThePixelByPixelRegion)
{
    std::mt19937 random(2024);
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_RGB888,
                                      QImage::Format_ARGB32_Premultiplied};
    for (int round = 0; round < 30; ++round) {
        std::uniform_int_distribution<int> dim(1, 90);
        const QImage image = RandomImage(random, dim(random), dim(random), formats[round % 3]);
        // Against white, and inverted: against a colour that covers (0, 0).
        for (const QRgb colour : {qRgb(255, 255, 255), image.pixel(0, 0)}) {
            const QRegion fast = RegionFromBitmap(image, colour);
            // QRegion's == compares rectangle lists, which two equal
            // regions built differently need not share.
            EXPECT_TRUE(fast.xored(RegionFromBitmapReference(image, colour)).isEmpty()) << "round " << round;
            ExpectCoversExactlyTheDifferingPixels(fast, image, colour);
        }
    }
}

TEST(RegionFromBitmap, InvertedWhenAGlyphCoversTheCorner)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 10, 12, QColor(Qt::blue));
    const QRegion region = RegionFromBitmap(image, image.pixel(0, 0));
    EXPECT_EQ(region, QRegion(0, 0, 40, 20).subtracted(QRegion(0, 0, 10, 12)));
}

TEST(RegionFromBitmap, IdenticalRowsFormOneBandAndAlphaIsIgnored)
{
    QImage image(30, 30, QImage::Format_ARGB32);
    image.fill(qRgba(255, 255, 255, 0));
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 25; ++x)
            image.setPixel(x, y, x < 15 ? qRgba(10, 10, 10, 255) : qRgba(10, 10, 10, 7));
    image.setPixel(0, 29, qRgba(255, 255, 255, 255));
    const QRegion region = RegionFromBitmap(image, qRgb(255, 255, 255));
    EXPECT_EQ(region.rectCount(), 1);
    EXPECT_EQ(region.boundingRect(), QRect(5, 5, 20, 20));
}

TEST(PhraseMask, LinesAreDrawnWhereTheLayoutPutsThem)
{
    const QFont font = TestFont(20);
    const FontMeasurer measurer(font);
    PhraseLayout layout = LayoutPhrase("MMM", 1920, measurer);
    layout.text = "MMM\r\nMMM\r\nMMM\r\n";
    layout.height += 2 * (layout.lineHeight + 2);
    const PhraseMask mask = BuildPhraseMask(layout, font, QColor(Qt::black));
    ASSERT_EQ(mask.image.size(), QSize(layout.width, layout.height));

    const int pitch = layout.lineHeight + 2;
    auto inkInRows = [&](int top, int bottom) {
        return !mask.region.intersected(QRect(0, top, layout.width, bottom - top)).isEmpty();
    };
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(inkInRows(k * pitch, k * pitch + layout.lineHeight)) << "line " << k;
        if (k > 0) { // "M" has no descender: the two rows between lines stay clear
            EXPECT_FALSE(inkInRows(k * pitch - 2, k * pitch)) << "gap before line " << k;
        }
    }
    ExpectCoversExactlyTheDifferingPixels(mask.region, mask.image, qRgb(255, 255, 255));
}

TEST(PhraseMask, GlyphsAreSolidSoTheMaskIsExactlyTheLetters)
{
    const QFont font = TestFont(28);
    const QColor colour(30, 120, 200);
    const PhraseLayout layout = LayoutPhrase("Orvella gives way", 1920, FontMeasurer(font));
    const PhraseMask mask = BuildPhraseMask(layout, font, colour);
    int ink = 0;
    for (int y = 0; y < mask.image.height(); ++y)
        for (int x = 0; x < mask.image.width(); ++x) {
            const QRgb p = mask.image.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(p == 0xFFFFFF || p == (colour.rgb() & 0xFFFFFF)) << x << "," << y;
            ink += p != 0xFFFFFF;
        }
    EXPECT_GT(ink, 100);
    // Every drawn pixel is inside the window: the last line's descenders fit.
    EXPECT_TRUE(mask.region.boundingRect().bottom() < layout.height);
}

TEST(PhraseMask, TheRegionIsTheLettersWhateverTheColourOrTheCorner)
{
    const QFont font = TestFont(30);
    // A full block starts at the left edge and reaches the top row, so its
    // ink covers pixel (0, 0).
    const PhraseLayout layout = LayoutPhrase("\xE2\x96\x88 ink", 1920, FontMeasurer(font));
    const PhraseMask black = BuildPhraseMask(layout, font, QColor(Qt::black));
    ASSERT_EQ(black.image.pixel(0, 0) & 0xFFFFFF, 0u) << "the corner is not covered: the case is not exercised";
    ExpectCoversExactlyTheDifferingPixels(black.region, black.image, qRgb(255, 255, 255));

    // White letters on the white bitmap take the same shape, not a rectangle.
    const PhraseMask white = BuildPhraseMask(layout, font, QColor(Qt::white));
    EXPECT_FALSE(white.region.isEmpty());
    EXPECT_TRUE(white.region.xored(black.region).isEmpty());
}
