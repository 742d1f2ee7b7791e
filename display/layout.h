#pragma once
#include "settings/categorysettings.h" // the Location items

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// Pixel sizes of a text drawn as one single line: CR and LF inside it are
// measured like any other character and start no new line.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight(std::string_view text) const = 0;
};

// Measures in a font as the message window draws it (see MaskFont and
// LayOutPhraseLine).
class FontMeasurer : public TextMeasurer {
public:
    explicit FontMeasurer(const QFont& font);
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;

private:
    QFont font_;
    QFontMetrics metrics_;
};

// One phrase laid out for the message window.
struct PhraseLayout {
    std::string text;   // the wrapped lines, each ended by CR LF
    int width = 0;      // window size in pixels
    int height = 0;
    int lineHeight = 0; // height of "Mg": line k is drawn at y = k * (lineHeight + 2)
};

// The lines of a wrapped phrase, without their CR LF, in the order the
// layout measures and the mask draws them.
std::vector<std::string> PhraseLines(std::string_view wrapped);

// Wraps a trimmed phrase to the columns that fit screenWidth (counted in
// widths of "M") and measures the window it needs. A line still wider than
// the screen (a long word, a run of wide glyphs) is split further at its
// last break opportunity that fits, or between grapheme clusters, so the
// window is never wider than the screen. Throws OvError when the font
// measures "M" as 0 pixels wide.
PhraseLayout LayoutPhrase(std::string_view phrase, int screenWidth, const TextMeasurer& measurer);

// A phrase laid out to fit a monitor, and the font it is drawn in.
struct FittedPhrase {
    PhraseLayout layout;
    QFont font;
};
using MeasurerFactory = std::function<std::unique_ptr<TextMeasurer>(const QFont&)>;

// Smallest size FitPhrase shrinks a font to, in points (or pixels for a
// font sized in pixels).
constexpr int MinimumFitPoints = 6;
constexpr int MinimumFitPixels = 8;

// Lays the phrase out for a monitor of the given size. A phrase taller than
// the monitor is laid out again in a font a tenth smaller (at least one
// point or pixel) until it fits or reaches the minimum size; what still
// does not fit then is cut at the monitor's bottom edge (a phrase of more
// bytes than a sixteenth of the monitor's pixels is cut to that first).
FittedPhrase FitPhrase(std::string_view phrase, const QSize& screen, const QFont& font,
                       const MeasurerFactory& measurer);


// The one generator of random positions, seeded once at start-up.
using PlacementRandom = std::mt19937;

// Where a window of the given size goes on the screen: random or centred,
// then kept on the screen; a window larger than the screen starts at its
// left or top edge. No location starts from the screen's top-left corner.
QPoint ChoosePosition(int location, const QRect& screen, const QSize& window, PlacementRandom& random);

// The message window's edge snapping: a left or top edge within 50 pixels
// of the display's left or top goes there, then a right or bottom edge
// within 50 pixels of the work area's right or bottom goes there. The
// display's top-left corner itself is left alone. A snap to the right or
// bottom never pushes the window past the display's left or top edge.
constexpr int SnapDistance = 50;
QPoint SnapToWorkArea(const QPoint& pos, const QSize& window, const QRect& display, const QRect& workArea);

// One monitor: its whole area and the part panels leave free.
struct ScreenArea {
    QRect geometry;
    QRect workArea;
};

// The monitor a phrase goes to: the one holding the pointer, so the user
// sees it where they work; the nearest one when the pointer is on none
// (between monitors of different sizes); the first (primary) one when the
// pointer is unknown. screens must not be empty.
size_t ScreenForPointer(const std::vector<ScreenArea>& screens, const QPoint* pointer);

} // namespace ov
