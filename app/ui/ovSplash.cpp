#include "app/ui/ovSplash.h"
#include "branding/ovBranding.h"
#include "platform/ovPaths.h"
#include "platform/ovTimer.h"
#include "platform/ovUtils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QThread>

TSplashFrm::TSplashFrm()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    setFixedSize(327, 102);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setWindowOpacity(1.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(327 / 2, 102 / 2));

    Logo = new QLabel(this);
    Logo->setObjectName(QStringLiteral("Logo"));
    Logo->setGeometry(0, 0, 327, 80);
    Logo->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(0, 80, 327, 22);
    Label2->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Century Schoolbook"));
    font.setBold(true);
    font.setPixelSize(19);
    Label2->setFont(font);
    QPalette lp = Label2->palette();
    lp.setColor(QPalette::WindowText, QColor(166, 202, 240));
    Label2->setPalette(lp);

    Timer1 = new ov::TTimer(this, 3000, false);
    Timer1->SetPrecise(true); // a coarse timer may fire up to 5% early
    connect(Timer1, &ov::TTimer::OnTimer, this, &TSplashFrm::Timer1Timer);
    FormCreate();
}

void TSplashFrm::FormCreate()
{
    Label2->setText(QString::fromLocal8Bit((ov::ExeBaseName() + " loading...").c_str()));
    const std::string folder = ov::PictureFolder("logo_small.bmp");
    if (const auto picture = ov::LoadPicture(folder, "logo_small.bmp")) Logo->setPixmap(QPixmap::fromImage(*picture));
}

void TSplashFrm::FormShow() { Timer1->SetEnabled(true); }

void TSplashFrm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TSplashFrm::setVisible(bool visible)
{
    // The show event (and with it Timer1) comes before the window exists on
    // the screen; creating it can take a while on a loaded machine, so the
    // three seconds count from here, once show() is done.
    QWidget::setVisible(visible);
    if (visible) shown_.start();
}

void TSplashFrm::Timer1Timer()
{
    // A timer may fire early (it started before the window was up, and
    // timers round): the splash stays opaque for its full three seconds.
    const qint64 left = shown_.isValid() ? 3000 - shown_.elapsed() : 0;
    if (left > 0) {
        Timer1->SetInterval(int(left));
        return;
    }
    Timer1->SetEnabled(false);
    Timer1->SetInterval(3000);
    for (int v = 255; v >= 0 && !SplashDone && !(stop_ && stop_()); --v) {
        setWindowOpacity(v / 255.0);
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
    SplashDone = true;
    close();
}

void TSplashFrm::FormCloseQuery(bool& CanClose) { CanClose = SplashDone; }

void TSplashFrm::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    canClose ? event->accept() : event->ignore();
}

void TSplashFrm::WaitUntilDone(std::function<bool()> stop)
{
    stop_ = std::move(stop);
    for (;;) {
        if (stop_ && stop_()) {
            // The program is ending: no fade to wait for.
            Timer1->SetEnabled(false);
            SplashDone = true;
        }
        bool canClose = true;
        FormCloseQuery(canClose);
        if (canClose) break;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    stop_ = nullptr;
}
