#include "display/ui/phrasepreview.h"

#include "display/displayfont.h"
#include "platform/intervaltimer.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/pagefont.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

PreviewCanvas::PreviewCanvas(QWidget* parent) : QWidget(parent) {}

void PreviewCanvas::Draw(const QImage& image)
{
    picture_ = image;
    update();
}

void PreviewCanvas::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

PhrasePreview::PhrasePreview(const ov::CategorySettings& shown, QGroupBox& group)
    : QObject(&group), shown_(shown), group_(group)
{
    // Running from the start, as a plain timer would: the first wipe comes
    // after a second.
    previewTimer_ = new ov::IntervalTimer(this, 1000, true);
    previewTimer_->setObjectName(QStringLiteral("previewTimer"));

    QFont regular = ov::PageFont();
    regular.setBold(false);

    testButton_ = new QPushButton(tr("Test Message"), &group);
    testButton_->setObjectName(QStringLiteral("testButton"));
    testButton_->setFont(regular);
    testButton_->setGeometry(10, 19, 91, 25);

    // A lowered inner bevel one pixel wide around a 339 x 35 drawing area.
    previewFrame_ = new QFrame(&group);
    previewFrame_->setObjectName(QStringLiteral("previewFrame"));
    previewFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    previewFrame_->setLineWidth(1);
    previewFrame_->setGeometry(110, 12, 341, 37);
    previewFrame_->setAccessibleName(tr("Test message preview"));
    previewCanvas_ = new PreviewCanvas(previewFrame_);
    previewCanvas_->setObjectName(QStringLiteral("previewCanvas"));
    previewCanvas_->setGeometry(previewFrame_->contentsRect());
    previewCanvas_->setAccessibleName(tr("Test message"));

    connect(testButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onTest(); }); });
    connect(previewTimer_, &ov::IntervalTimer::timeout, this, [this] { ov::Guarded([this] { onPreviewTimer(); }); });
    progress_.timerEnabled = previewTimer_->Enabled();
    progress_.timerInterval = previewTimer_->Interval();
}

void PhrasePreview::Apply()
{
    testButton_->setEnabled(progress_.buttonEnabled);
    previewTimer_->SetInterval(progress_.timerInterval);
    previewTimer_->SetEnabled(progress_.timerEnabled);
}

void PhrasePreview::onTest()
{
    previewCanvas_->Draw(ov::TestPreviewImage(previewCanvas_->size(), ov::DisplayQFont(shown_),
                                         ov::DisplayQColor(shown_, previewCanvas_->palette()), shown_.Contrast));
    ov::BeginTestPreview(progress_, shown_.DisplayTime);
    Apply();
}

void PhrasePreview::onPreviewTimer()
{
    ov::EndTestPreview(progress_);
    Apply();
    previewCanvas_->Draw(ov::WipedTestPreview(previewCanvas_->size(), previewCanvas_->palette().color(QPalette::Button)));
    group_.window()->update();
}
