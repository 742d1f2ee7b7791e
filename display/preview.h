#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <string>

namespace ov {

// first × percent % + second × (100 − percent) %, byte by byte, in 24 bits
// per pixel and first's size, halves rounded to the even neighbour. Throws
// OvError when second is smaller than first.
QImage BlendBitmaps(const QImage& first, const QImage& second, int percent);

// How much of the white background the test preview keeps at a contrast
// position of 0 to 255: 100 at 0, 81 at 50, 50 at 128, 1 at 255.
int TestPercent(int position);

// The "Test Message" preview of the given size: the text at (4, 4) in the
// font colour, tinted over white as the contrast position makes it look.
QImage TestPreviewImage(const QSize& size, const QFont& font, const QColor& colour, int position);

// The preview area wiped with the colour of the surrounding button face.
QImage WipedTestPreview(const QSize& size, const QColor& buttonFace);

// The test preview's controls: the button is greyed and the timer runs for
// the display time while a preview shows.
struct TestPreviewState {
    bool buttonEnabled = true;
    bool timerEnabled = true; // its first tick, a second after start-up, only wipes
    int timerInterval = 1000; // milliseconds
};
void BeginTestPreview(TestPreviewState& state, int displayTimeMs);
void EndTestPreview(TestPreviewState& state);

} // namespace ov
