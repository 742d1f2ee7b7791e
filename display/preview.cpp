#include "display/preview.h"

#include "display/glyphmask.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cfenv>
#include <cmath>

namespace ov {

QImage BlendBitmaps(const QImage& first, const QImage& second, int percent)
{
    if (first.isNull())
        return {};
    if (second.width() < first.width() || second.height() < first.height())
        throw OvError(Tr("Display", "Cannot blend a picture with a smaller one."));
    const QImage a = first.convertToFormat(QImage::Format_RGB888);
    const QImage b = second.convertToFormat(QImage::Format_RGB888);
    QImage result(first.size(), QImage::Format_RGB888);
    if (a.isNull() || b.isNull() || result.isNull())
        throw OvError(Tr("Display", "There is not enough memory to blend the pictures."));

    const double f = percent * 0.01;
    const double g = 1 - percent * 0.01;
    // nearbyint rounds halves to even in the default rounding mode; make
    // sure that is the mode in force.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const int rowBytes = first.width() * 3;
    for (int y = 0; y < first.height(); ++y) {
        const uchar* pa = a.constScanLine(y);
        const uchar* pb = b.constScanLine(y);
        uchar* out = result.scanLine(y);
        for (int i = 0; i < rowBytes; ++i) {
            const double v = std::nearbyint(pa[i] * f + pb[i] * g);
            out[i] = static_cast<uchar>(std::clamp(v, 0.0, 255.0));
        }
    }
    std::fesetround(savedMode);
    return result;
}

int TestPercent(int position)
{
    return 100 - position * 100 / 256;
}

QImage TestPreviewImage(const QSize& size, const QFont& font, const QColor& colour, int position)
{
    if (size.isEmpty())
        return {};
    QImage text(size, QImage::Format_RGB32);
    QImage background(size, QImage::Format_RGB32);
    if (text.isNull() || background.isNull())
        throw OvError(Tr("Display", "There is not enough memory to draw the test message."));
    text.fill(Qt::white);
    background.fill(Qt::white);
    {
        QPainter painter(&text);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(MaskFont(font));
        painter.setPen(colour);
        // Drawn as the phrase window draws a line.
        QTextLayout line(QCoreApplication::translate("PhrasePreview", "Test Message"), MaskFont(font), &text);
        LayOutPhraseLine(line, line.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        line.draw(&painter, QPointF(4, 4 + painter.fontMetrics().ascent() - line.lineAt(0).ascent()));
    }
    return BlendBitmaps(background, text, TestPercent(position));
}

QImage WipedTestPreview(const QSize& size, const QColor& buttonFace)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw OvError(Tr("Display", "There is not enough memory to wipe the test message."));
    image.fill(buttonFace);
    return image;
}

void BeginTestPreview(TestPreviewState& state, int displayTimeMs)
{
    state.buttonEnabled = false;
    state.timerInterval = displayTimeMs;
    state.timerEnabled = true;
}

void EndTestPreview(TestPreviewState& state)
{
    state.timerEnabled = false;
    state.buttonEnabled = true;
}

} // namespace ov
