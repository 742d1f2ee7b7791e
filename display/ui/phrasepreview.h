#pragma once
#include "display/preview.h"

#include <QImage>
#include <QObject>
#include <QWidget>

class QFrame;
class QGroupBox;
class QPushButton;
class MainWindow;

// A drawing surface that shows the last picture drawn into it; repainting
// the area keeps it.
class PreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PreviewCanvas(QWidget* parent);
    void Draw(const QImage& image);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The "Test Message" preview in the Settings page's test group: the phrase
// look at the chosen opacity, shown for the display time, then wiped.
class PhrasePreview : public QObject {
    Q_OBJECT
public:
    PhrasePreview(MainWindow& window, QGroupBox& group);

    QPushButton* testButton_ = nullptr;
    QFrame* previewFrame_ = nullptr;
    PreviewCanvas* previewCanvas_ = nullptr;

    void onTest();
    void onPreviewTimer();

private:
    void Apply();
    MainWindow& window_;
    ov::TestPreviewState state_;
};
