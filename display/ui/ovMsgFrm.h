#pragma once
#include <QColor>
#include <QRegion>
#include <QWidget>

// The phrase window: borderless, top-most, never activated, without a
// taskbar entry and transparent to the mouse. It paints nothing but its
// colour; the phrase is its shape.
class TMsgFrm : public QWidget {
    Q_OBJECT
public:
    TMsgFrm();

    // Moves the window. A place other than the screen's top-left corner
    // snaps to the edges of the work area when it comes within 50 pixels.
    void MoveTo(int x, int y);

    // Cuts the window to region, fills it with colour and shows it on top at
    // the given opacity (0 to 255) without taking the focus. An empty region
    // means there is nothing to see: the window stays hidden.
    void Present(const QRegion& region, const QColor& colour, int opacity);

    QColor Colour() const { return colour_; }
    int Opacity() const { return opacity_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = Qt::black;
    int opacity_ = 255;
};
