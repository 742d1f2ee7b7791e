#include "display/preview.h"
#include "platform/error.h"

#include <gtest/gtest.h>

using namespace ov;

namespace {

QImage Filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(BlendBitmaps, RoundsHalvesToTheEvenNeighbour)
{
    struct Case {
        int a, b, percent, expected;
    };
    const Case cases[] = {
        {1, 0, 50, 0},      // 0.5
        {3, 0, 50, 2},      // 1.5
        {255, 0, 50, 128},  // 127.5
        {253, 0, 50, 126},  // 126.5
        {200, 100, 100, 200}, {200, 100, 0, 100},
        {255, 0, 81, 207},  // 206.55
    };
    for (const Case& c : cases) {
        const QImage r = BlendBitmaps(Filled({3, 2}, qRgb(c.a, c.a, c.a)), Filled({3, 2}, qRgb(c.b, c.b, c.b)), c.percent);
        EXPECT_EQ(r.format(), QImage::Format_RGB888);
        EXPECT_EQ(r.pixel(2, 1), qRgb(c.expected, c.expected, c.expected)) << c.a << " " << c.b << " " << c.percent;
    }
}

TEST(BlendBitmaps, BlendsEachChannelInTheFirstPicturesSize)
{
    const QImage r = BlendBitmaps(Filled({4, 3}, qRgb(255, 0, 100)), Filled({9, 9}, qRgb(0, 255, 50)), 20);
    EXPECT_EQ(r.size(), QSize(4, 3));
    EXPECT_EQ(r.pixel(3, 2), qRgb(51, 204, 60));
    EXPECT_THROW(BlendBitmaps(Filled({9, 9}, 0), Filled({4, 9}, 0), 50), OvError);
}

TEST(TestPreview, PercentUsesTheDivisor256)
{
    EXPECT_EQ(TestPercent(0), 100);
    EXPECT_EQ(TestPercent(50), 81);
    EXPECT_EQ(TestPercent(128), 50);
    EXPECT_EQ(TestPercent(255), 1);
}

TEST(TestPreview, TintsTheTextByTheOpacity)
{
    QFont font("DejaVu Sans");
    font.setPointSize(14);
    const QSize size(339, 35);
    auto darkest = [](const QImage& image) {
        int d = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                d = std::min(d, qRed(image.pixel(x, y)));
        return d;
    };
    EXPECT_EQ(darkest(TestPreviewImage(size, font, Qt::black, 0)), 255); // blank white
    EXPECT_EQ(darkest(TestPreviewImage(size, font, Qt::black, 50)), 207);
    EXPECT_EQ(darkest(TestPreviewImage(size, font, Qt::black, 255)), 3);
    const QImage preview = TestPreviewImage(size, font, Qt::black, 255);
    EXPECT_EQ(preview.size(), size);
    EXPECT_EQ(preview.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(WipedTestPreview(size, QColor(239, 239, 239)).pixel(338, 34), qRgb(239, 239, 239));
}
