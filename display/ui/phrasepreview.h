#pragma once
#include "display/preview.h"

#include <QImage>
#include <QObject>
#include <QWidget>

class QFrame;
class QGroupBox;
class QPushButton;
namespace ov { class IntervalTimer; struct CategorySettings; }

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
// look at the chosen contrast, shown for the display time, then wiped.
class PhrasePreview : public QObject {
    Q_OBJECT
public:
    // shown: the settings the page shows, read at each test.
    PhrasePreview(const ov::CategorySettings& shown, QGroupBox& group);

private:
    void onTest();
    void onPreviewTimer();
    void Apply();

    const ov::CategorySettings& shown_;
    QGroupBox& group_;
    ov::TestPreviewState progress_;
    ov::IntervalTimer* previewTimer_ = nullptr;
    QPushButton* testButton_ = nullptr;
    QFrame* previewFrame_ = nullptr;
    PreviewCanvas* previewCanvas_ = nullptr;
};
