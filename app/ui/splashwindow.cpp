#include "app/ui/splashwindow.h"
#include "branding/branding.h"
#include "platform/paths.h"
#include "platform/intervaltimer.h"
#include "platform/utils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QThread>

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splashWindow"));
    setFixedSize(327, 102);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setWindowOpacity(1.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(327 / 2, 102 / 2));

    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setGeometry(0, 0, 327, 80);
    logo_->setAlignment(Qt::AlignCenter);
    loadingLabel_ = new QLabel(this);
    loadingLabel_->setObjectName(QStringLiteral("loadingLabel"));
    loadingLabel_->setGeometry(0, 80, 327, 22);
    loadingLabel_->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Century Schoolbook"));
    font.setBold(true);
    font.setPixelSize(19);
    loadingLabel_->setFont(font);
    QPalette lp = loadingLabel_->palette();
    lp.setColor(QPalette::WindowText, QColor(166, 202, 240));
    loadingLabel_->setPalette(lp);

    fadeTimer_ = new ov::IntervalTimer(this, 3000, false);
    fadeTimer_->setObjectName(QStringLiteral("fadeTimer"));
    fadeTimer_->SetPrecise(true); // a coarse timer may fire up to 5% early
    connect(fadeTimer_, &ov::IntervalTimer::timeout, this, &SplashWindow::onFadeTimer);
    ShowNameAndLogo();
}

void SplashWindow::ShowNameAndLogo()
{
    loadingLabel_->setText(tr("%1 loading...").arg(QString::fromLocal8Bit(ov::ExeBaseName().c_str())));
    const std::string folder = ov::PictureFolder("logo_small.bmp");
    if (const auto picture = ov::LoadPicture(folder, "logo_small.bmp")) logo_->setPixmap(QPixmap::fromImage(*picture));
}

void SplashWindow::StartFadeTimer() { fadeTimer_->SetEnabled(true); }

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    StartFadeTimer();
}

void SplashWindow::setVisible(bool visible)
{
    // The show event (and with it fadeTimer_) comes before the window exists on
    // the screen; creating it can take a while on a loaded machine, so the
    // three seconds count from here, once show() is done.
    QWidget::setVisible(visible);
    if (visible) shown_.start();
}

void SplashWindow::onFadeTimer()
{
    // A timer may fire early (it started before the window was up, and
    // timers round): the splash stays opaque for its full three seconds.
    const qint64 left = shown_.isValid() ? 3000 - shown_.elapsed() : 0;
    if (left > 0) {
        fadeTimer_->SetInterval(int(left));
        return;
    }
    fadeTimer_->SetEnabled(false);
    fadeTimer_->SetInterval(3000);
    for (int v = 255; v >= 0 && !done_ && !(stop_ && stop_()); --v) {
        setWindowOpacity(v / 255.0);
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
    done_ = true;
    close();
}

void SplashWindow::QueryClose(bool& canClose) { canClose = done_; }

void SplashWindow::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    QueryClose(canClose);
    canClose ? event->accept() : event->ignore();
}

void SplashWindow::WaitUntilDone(std::function<bool()> stop)
{
    stop_ = std::move(stop);
    for (;;) {
        if (stop_ && stop_()) {
            // The program is ending: no fade to wait for.
            fadeTimer_->SetEnabled(false);
            done_ = true;
        }
        bool canClose = true;
        QueryClose(canClose);
        if (canClose) break;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    stop_ = nullptr;
}
