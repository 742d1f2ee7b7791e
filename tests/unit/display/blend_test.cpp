#include "display/blend.h"
#include "display/glyphmask.h"
#include "display/layout.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace ov;

TEST(PhrasePicture, GlyphPixelsBlendTheInkWithWhatIsBeneath)
{
    QImage beneath(4, 2, QImage::Format_RGB32);
    beneath.fill(qRgb(255, 255, 255));
    beneath.setPixel(1, 0, qRgb(0, 0, 255));
    const QRegion shape = QRegion(0, 0, 2, 1) + QRegion(3, 1, 1, 1);
    const QColor red(255, 0, 0);

    const QImage half = PhrasePicture(QSize(4, 2), shape, red, 128, beneath);
    EXPECT_EQ(half.pixel(0, 0), qRgb(255, 127, 127)); // red at 50 % over white
    EXPECT_EQ(half.pixel(1, 0), qRgb(128, 0, 127));   // over blue
    EXPECT_EQ(half.pixel(3, 1), qRgb(255, 127, 127));
    EXPECT_EQ(half.pixel(2, 0), red.rgb()); // outside the shape: never seen
    // The default contrast (50 of 255) stays faint, and the ends are exact.
    EXPECT_EQ(PhrasePicture(QSize(4, 2), shape, red, 50, beneath).pixel(0, 0), qRgb(255, 205, 205));
    EXPECT_EQ(PhrasePicture(QSize(4, 2), shape, red, 0, beneath).pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(PhrasePicture(QSize(4, 2), shape, red, 255, beneath).pixel(1, 0), red.rgb());

    // Nothing read from the screen (or a picture of another size): the ink
    // stays plain and the desktop applies the opacity.
    EXPECT_EQ(PhrasePicture(QSize(4, 2), shape, red, 128).pixel(0, 0), red.rgb());
    EXPECT_EQ(PhrasePicture(QSize(4, 2), shape, red, 128, beneath.copy(0, 0, 3, 2)).pixel(0, 0), red.rgb());
}

TEST(PhrasePicture, AColourEmojiKeepsItsColoursAndShapesTheWindow)
{
    QFont font("DejaVu Sans");
    font.setPointSize(28);
    const QColor ink(0, 0, 160);
    // A face DejaVu Sans has in black and white, and a thumb with a skin tone.
    const PhraseLayout layout = LayoutPhrase("I \xF0\x9F\x98\x80 \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", 1920,
                                             FontMeasurer(font));
    const PhraseMask mask = BuildPhraseMask(layout, font, ink);
    QImage beneath(mask.image.size(), QImage::Format_RGB32);
    beneath.fill(qRgb(0, 200, 0));
    const QImage plain = PhrasePicture(mask.image, mask.region, 255);
    const QImage half = PhrasePicture(mask.image, mask.region, 128, beneath);

    int coloured = 0, inked = 0, outside = 0;
    for (int y = 0; y < mask.image.height(); ++y)
        for (int x = 0; x < mask.image.width(); ++x) {
            const QRgb g = mask.image.pixel(x, y);
            const bool isInk = (g & 0xFFFFFF) == (ink.rgb() & 0xFFFFFF);
            const bool isColour = !isInk && (qRed(g) != qGreen(g) || qGreen(g) != qBlue(g));
            if (!mask.region.contains(QPoint(x, y))) {
                outside += isInk || isColour;
                continue;
            }
            ASSERT_EQ(plain.pixel(x, y), g | 0xFF000000u) << x << "," << y;
            ASSERT_EQ(half.pixel(x, y), qRgb(BlendChannel(qRed(g), 0, 128), BlendChannel(qGreen(g), 200, 128),
                                             BlendChannel(qBlue(g), 0, 128)));
            coloured += isColour;
            inked += isInk;
        }
    EXPECT_GT(coloured, 200) << "the emoji were drawn without colour";
    EXPECT_GT(inked, 20) << "the letter lost the font colour";
    EXPECT_EQ(outside, 0) << "glyph pixels outside the window's shape";
}

TEST(PhraseMask, AScaledScreenGetsGlyphsAtItsOwnResolutionInsideTheLaidOutWindow)
{
    QFont font("DejaVu Sans");
    font.setPointSize(14);
    const PhraseLayout layout = LayoutPhrase("Scaled phrase", 1920, FontMeasurer(font));
    const PhraseMask one = BuildPhraseMask(layout, font, QColor(Qt::black));
    const PhraseMask two = BuildPhraseMask(layout, font, QColor(Qt::black), 2.0);

    ASSERT_EQ(two.image.size(), QSize(layout.width * 2, layout.height * 2));
    EXPECT_TRUE(QRect(QPoint(0, 0), two.image.size()).contains(two.region.boundingRect()));
    // The shape is drawn at twice the resolution, not the small one blown up.
    QRegion blownUp;
    for (const QRect& r : one.region)
        blownUp += QRect(r.x() * 2, r.y() * 2, r.width() * 2, r.height() * 2);
    EXPECT_NE(two.region, blownUp);
    long small = 0, large = 0;
    for (const QRect& r : one.region)
        small += r.width() * r.height();
    for (const QRect& r : two.region)
        large += r.width() * r.height();
    EXPECT_GT(large, small * 5 / 2);
    EXPECT_LT(large, small * 11 / 2);
    // Blended glyph edges are shown in the plain ink, as at the small size.
    const PhraseMask red = BuildPhraseMask(layout, font, QColor(200, 0, 0), 2.0);
    for (const QRect& r : red.region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ASSERT_EQ(red.image.pixel(x, y), qRgb(200, 0, 0)) << x << "," << y;
}
