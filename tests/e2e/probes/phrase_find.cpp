// Finds a flashed phrase in a screenshot of a whole desktop and checks it
// against the reference picture (flash_probe render): the pixels well inside
// its letters must show the blend, those well outside the window beneath.
// Edge pixels are left out, since a per-pixel alpha window smooths them
// where a shaped window cuts them.
//
//   phrase_find REF.png SHOT.png R,G,B TOLERANCE IX,IY [TOP BOTTOM]
//     R,G,B: the colour beneath; IX,IY: a glyph pixel in the reference;
//     TOP, BOTTOM: rows of the screenshot to pass over (a bar).
//   Prints "at X Y" (the reference's origin on the screen), "glyph R G B"
//   and "want R G B" at the glyph pixel, "click X Y" (that pixel on the
//   screen), "inside BAD OF" and "outside BAD OF". Exit 0 when the phrase
//   was found and matches, 1 when nothing was drawn over the colour, 2 when
//   what was drawn is not the phrase.
#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Pixels clearly unlike the background (faint smoothed edges left out).
QRect InkBox(const QImage& image, QRgb background, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!Near(image.pixel(x, y), background, 24))
                box |= QRect(x, y, 1, 1);
    return box;
}

struct Score {
    long insideBad = 0, inside = 0, outsideBad = 0, outside = 0;
};

// Compares at one placement: a reference pixel whose 3x3 neighbourhood is
// all ink must match, one whose neighbourhood has no ink must show beneath.
Score Compare(const QImage& ref, const QImage& shot, QRgb background, int tolerance, QPoint at)
{
    Score s;
    const auto ink = [&](int x, int y) { return ref.pixel(x, y) != background; };
    for (int y = 1; y + 1 < ref.height(); ++y)
        for (int x = 1; x + 1 < ref.width(); ++x) {
            int count = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    count += ink(x + dx, y + dy);
            if (count != 0 && count != 9)
                continue;
            const QPoint p = at + QPoint(x, y);
            const bool bad = !shot.rect().contains(p) || !Near(ref.pixel(x, y), shot.pixel(p), tolerance);
            if (count == 9) {
                ++s.inside;
                s.insideBad += bad;
            } else {
                ++s.outside;
                s.outsideBad += bad;
            }
        }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 8) {
        std::fprintf(stderr, "usage: phrase_find REF.png SHOT.png R,G,B TOLERANCE IX,IY [TOP BOTTOM]\n");
        return 3;
    }
    const QImage ref = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage shot = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    int r = 0, g = 0, b = 0, ix = 0, iy = 0;
    if (ref.isNull() || shot.isNull() || std::sscanf(argv[3], "%d,%d,%d", &r, &g, &b) != 3
        || std::sscanf(argv[5], "%d,%d", &ix, &iy) != 2) {
        std::fprintf(stderr, "unreadable picture or argument\n");
        return 3;
    }
    const QRgb background = qRgb(r, g, b);
    const int tolerance = std::atoi(argv[4]);
    const int top = argc == 8 ? std::atoi(argv[6]) : 0;
    const int bottom = argc == 8 ? std::atoi(argv[7]) : 0;

    const QRect refBox = InkBox(ref, background, ref.rect());
    const QRect shotBox = InkBox(shot, background, shot.rect().adjusted(0, top, 0, -bottom));
    if (shotBox.isEmpty()) {
        std::printf("nothing drawn over the colour beneath\n");
        return 1;
    }
    // The boxes line up the reference; a smoothed edge can shift them by a
    // pixel, so the best placement nearby counts.
    const QPoint guess = shotBox.topLeft() - refBox.topLeft();
    QPoint best = guess;
    Score bestScore;
    long bestBad = std::numeric_limits<long>::max();
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const Score s = Compare(ref, shot, background, tolerance, guess + QPoint(dx, dy));
            if (s.insideBad + s.outsideBad < bestBad) {
                bestBad = s.insideBad + s.outsideBad;
                best = guess + QPoint(dx, dy);
                bestScore = s;
            }
        }
    const QPoint click = best + QPoint(ix, iy);
    const QRgb want = ref.pixel(ix, iy);
    const QRgb got = shot.rect().contains(click) ? shot.pixel(click) : 0;
    std::printf("at %d %d\n", best.x(), best.y());
    std::printf("drawn %dx%d reference %dx%d\n", shotBox.width(), shotBox.height(), refBox.width(), refBox.height());
    std::printf("glyph %d %d %d\n", qRed(got), qGreen(got), qBlue(got));
    std::printf("want %d %d %d\n", qRed(want), qGreen(want), qBlue(want));
    std::printf("click %d %d\n", click.x(), click.y());
    std::printf("inside %ld %ld\n", bestScore.insideBad, bestScore.inside);
    std::printf("outside %ld %ld\n", bestScore.outsideBad, bestScore.outside);
    // A few stray pixels are allowed (a compositor's rounding); a shape
    // that does not fit, or a wrong colour, is not.
    const bool matches = bestScore.inside > 0 && bestScore.outside > 0
                         && bestScore.insideBad * 100 <= bestScore.inside
                         && bestScore.outsideBad * 100 <= bestScore.outside;
    return matches ? 0 : 2;
}
