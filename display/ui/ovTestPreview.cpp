#include "display/ui/ovTestPreview.h"

#include "app/ui/ovMain.h"
#include "display/ovDisplayFont.h"
#include "platform/ovTimer.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ui/ovSettingsPage.h"
#include "settings/ui/ovSpinEdit.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {}

void TPaintBox::Draw(const QImage& image)
{
    picture_ = image;
    update();
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

TTestPreview::TTestPreview(TMainFrm& frm, QGroupBox& group) : QObject(&frm), frm_(frm)
{
    QFont regular = TMainFrm::PageFont();
    regular.setBold(false);

    Btn_Test = new QPushButton(QStringLiteral("Test Message"), &group);
    Btn_Test->setObjectName(QStringLiteral("Btn_Test"));
    Btn_Test->setFont(regular);
    Btn_Test->setGeometry(10, 19, 91, 25);

    // A lowered inner bevel one pixel wide around a 339 x 35 drawing area.
    Pnl_Test = new QFrame(&group);
    Pnl_Test->setObjectName(QStringLiteral("Pnl_Test"));
    Pnl_Test->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Pnl_Test->setLineWidth(1);
    Pnl_Test->setGeometry(110, 12, 341, 37);
    Pnl_Test->setAccessibleName(QStringLiteral("Test message preview"));
    PaintBox1 = new TPaintBox(Pnl_Test);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(Pnl_Test->contentsRect());
    PaintBox1->setAccessibleName(QStringLiteral("Test message"));

    connect(Btn_Test, &QPushButton::clicked, this, [this] { ov::Guarded([this] { Btn_TestClick(); }); });
    connect(frm_.Tmr_Test, &ov::TTimer::OnTimer, this, [this] { ov::Guarded([this] { Tmr_TestTimer(); }); });
    state_.timerEnabled = frm_.Tmr_Test->Enabled();
    state_.timerInterval = frm_.Tmr_Test->Interval();
}

void TTestPreview::Apply()
{
    Btn_Test->setEnabled(state_.buttonEnabled);
    frm_.Tmr_Test->SetInterval(state_.timerInterval);
    frm_.Tmr_Test->SetEnabled(state_.timerEnabled);
}

void TTestPreview::Btn_TestClick()
{
    const TSettingsPage& settings = *frm_.SettingsPage;
    const ov::DisplayFontSpec& fontSpec = frm_.State.DisplayFont;
    PaintBox1->Draw(ov::TestPreviewImage(PaintBox1->size(), ov::DisplayQFont(fontSpec),
                                         ov::DisplayQColor(fontSpec, PaintBox1->palette()),
                                         settings.Trackbar1->value()));
    ov::BeginTestPreview(state_, settings.SpinEdit1->Value());
    Apply();
}

void TTestPreview::Tmr_TestTimer()
{
    ov::EndTestPreview(state_);
    Apply();
    PaintBox1->Draw(ov::WipedTestPreview(PaintBox1->size(), PaintBox1->palette().color(QPalette::Button)));
    frm_.update();
}
