#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <string_view>

class QTextLayout;

namespace ov {

struct PhraseLayout;

// The font as the phrase is drawn and measured. The message window shows a
// solid colour cut to a mask, which can only be on or off per pixel, so the
// glyphs are drawn without anti-aliasing: every pixel is either white or the
// font colour, and the mask is exactly the letters, not a blurred outline.
QFont MaskFont(const QFont& font);

// The font of emoji that have no colour glyph in the phrase's own font.
inline constexpr const char* EmojiFamily = "Noto Color Emoji";

// Lays out the layout's text as one line of a phrase, at (0, 0): shaped and
// ordered by Qt's text layout with the given paragraph direction, emoji
// sequences in the colour emoji font.
void LayOutPhraseLine(QTextLayout& layout, Qt::LayoutDirection direction);

// The direction of a phrase as an editor shows it: right to left when its
// first letter of a strong direction is Hebrew, Arabic or the like.
Qt::LayoutDirection PhraseDirection(std::string_view text);

// The wrapped lines drawn in the font colour into a white image of the given
// size, line k at y = k * (lineHeight + 2), left-aligned, or right-aligned
// in a right-to-left phrase; emoji keep their own colours. Sizes and places are in
// logical pixels; with a device pixel ratio above 1 the image holds that
// many more pixels and the glyphs are drawn at that resolution. Throws
// OvError when the image cannot be allocated.
QImage RenderPhraseImage(std::string_view wrapped, const QSize& size, int lineHeight, const QFont& font,
                         const QColor& colour, qreal devicePixelRatio = 1.0);

// The size in device pixels of a window of the given logical size.
QSize DeviceSize(const QSize& size, qreal devicePixelRatio);

// The region of every pixel whose red, green and blue differ from colour
// (alpha is ignored). Empty when there is none or the image is empty.
QRegion RegionFromBitmap(const QImage& image, QRgb colour);

// The same region, read pixel by pixel and united one row run at a time:
// the yardstick for tests and benchmarks.
QRegion RegionFromBitmapReference(const QImage& image, QRgb colour);

// What the message window needs to show a phrase: the drawn image (font
// colour on white, colour glyphs in their colours) and the region of the
// glyph pixels. The region is taken
// against the white background, whatever the font colour or the pixel at
// (0, 0): white letters and a glyph in the corner are cut out as letters
// too. An empty region means the phrase left no mark at all. With a device
// pixel ratio above 1, image and region are in device pixels.
struct PhraseMask {
    QImage image;
    QRegion region;
};
PhraseMask BuildPhraseMask(const PhraseLayout& layout, const QFont& font, const QColor& colour,
                           qreal devicePixelRatio = 1.0);

} // namespace ov
