#pragma once
#include "display/ovPreview.h"

#include <QImage>
#include <QObject>
#include <QWidget>

class QFrame;
class QGroupBox;
class QPushButton;
class TMainFrm;

// A drawing surface that shows the last picture drawn into it; repainting
// the area keeps it.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent);
    void Draw(const QImage& image);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The "Test Message" preview in the Settings page's test group: the phrase
// look at the chosen opacity, shown for the display time, then wiped.
class TTestPreview : public QObject {
    Q_OBJECT
public:
    TTestPreview(TMainFrm& frm, QGroupBox& group);

    QPushButton* Btn_Test = nullptr;
    QFrame* Pnl_Test = nullptr;
    TPaintBox* PaintBox1 = nullptr;

    void Btn_TestClick();
    void Tmr_TestTimer();

private:
    void Apply();
    TMainFrm& frm_;
    ov::TestPreviewState state_;
};
