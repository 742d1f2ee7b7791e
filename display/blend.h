#pragma once
#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>

namespace ov {

class OvError;

// The error for a phrase picture of size that memory cannot hold.
OvError NoMemoryForPhrase(const QSize& size);

// One channel of ink laid over what is beneath at an alpha of 0 to 255,
// rounded to the nearest value: what a compositing manager shows.
inline int BlendChannel(int ink, int beneath, int alpha)
{
    return (ink * alpha + beneath * (255 - alpha) + 127) / 255;
}

// Calls row(y, left, right) for each row of each rectangle of shape that
// lies in bounds (both ends inside): the pixels a phrase picture colours.
template <typename Row>
void ForEachShapeRow(const QRegion& shape, const QRect& bounds, Row row)
{
    for (const QRect& rect : shape) {
        const QRect run = rect.intersected(bounds);
        for (int y = run.top(); y <= run.bottom(); ++y)
            row(y, run.left(), run.right());
    }
}

// The picture of the phrase window, in the pixels of the given size: every
// pixel of shape is the ink over the matching pixel of beneath at the given
// contrast (0 to 255); the rest (outside the shape, never seen) is the plain
// ink. With no picture of what is beneath (null, or of another size) the
// ink is plain everywhere, for a window whose opacity the desktop applies.
QImage PhrasePicture(const QSize& size, const QRegion& shape, const QColor& ink, int contrast,
                     const QImage& beneath = {});

// The same picture with the ink of every pixel taken from the drawn glyphs
// (a PhraseMask's image): the font colour, and a colour emoji's own colours.
QImage PhrasePicture(const QImage& glyphs, const QRegion& shape, int contrast, const QImage& beneath = {});

} // namespace ov
