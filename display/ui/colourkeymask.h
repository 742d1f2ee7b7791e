#pragma once
#include <QColor>
#include <QObject>

class QWidget;

// Leaves out of a window every pixel it paints in the key colour, so that
// what lies beneath shows through there (and takes the clicks there). The
// window's picture is read each time it is shown or resized; a window with
// no pixel in the key colour keeps its full shape.
class ColourKeyMask : public QObject {
    Q_OBJECT
public:
    ColourKeyMask(QWidget& window, QColor key);
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QColor key_;
    bool pending_ = false;
};
