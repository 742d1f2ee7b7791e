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
}
