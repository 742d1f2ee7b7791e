#include "display/ui/phrasepreview.h"

#include "app/ui/mainwindow.h"
#include "display/displayfont.h"
#include "platform/intervaltimer.h"
#include "platform/ui/messagebox.h"
#include "settings/ui/settingspage.h"
#include "settings/ui/numberspinbox.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

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

PhrasePreview::PhrasePreview(MainWindow& window, QGroupBox& group) : QObject(&window), window_(window)
{
    QFont regular = MainWindow::PageFont();
    regular.setBold(false);

    testButton_ = new QPushButton(QStringLiteral("Test Message"), &group);
    testButton_->setObjectName(QStringLiteral("testButton"));
    testButton_->setFont(regular);
    testButton_->setGeometry(10, 19, 91, 25);

    // A lowered inner bevel one pixel wide around a 339 x 35 drawing area.
    previewFrame_ = new QFrame(&group);
    previewFrame_->setObjectName(QStringLiteral("previewFrame"));
    previewFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    previewFrame_->setLineWidth(1);
    previewFrame_->setGeometry(110, 12, 341, 37);
    previewFrame_->setAccessibleName(QStringLiteral("Test message preview"));
    previewCanvas_ = new PreviewCanvas(previewFrame_);
    previewCanvas_->setObjectName(QStringLiteral("previewCanvas"));
    previewCanvas_->setGeometry(previewFrame_->contentsRect());
    previewCanvas_->setAccessibleName(QStringLiteral("Test message"));

    connect(testButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onTest(); }); });
    connect(window_.previewTimer_, &ov::IntervalTimer::timeout, this, [this] { ov::Guarded([this] { onPreviewTimer(); }); });
    state_.timerEnabled = window_.previewTimer_->Enabled();
    state_.timerInterval = window_.previewTimer_->Interval();
}

void PhrasePreview::Apply()
{
    testButton_->setEnabled(state_.buttonEnabled);
    window_.previewTimer_->SetInterval(state_.timerInterval);
    window_.previewTimer_->SetEnabled(state_.timerEnabled);
}

void PhrasePreview::onTest()
{
    const SettingsPage& settings = *window_.settingsPage_;
    const ov::DisplayFontSpec& fontSpec = window_.state_.DisplayFont;
    previewCanvas_->Draw(ov::TestPreviewImage(previewCanvas_->size(), ov::DisplayQFont(fontSpec),
                                         ov::DisplayQColor(fontSpec, previewCanvas_->palette()),
                                         settings.contrastSlider_->value()));
    ov::BeginTestPreview(state_, settings.displayTimeSpin_->Value());
    Apply();
}

void PhrasePreview::onPreviewTimer()
{
    ov::EndTestPreview(state_);
    Apply();
    previewCanvas_->Draw(ov::WipedTestPreview(previewCanvas_->size(), previewCanvas_->palette().color(QPalette::Button)));
    window_.update();
}
