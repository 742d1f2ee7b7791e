#include "display/ui/ovMsgFrm.h"

#include "display/ovLayout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

// A tool tip window is one the window manager leaves alone on X11 (override
// redirect): it is never focused, never decorated and listed nowhere, and it
// lies above the managed windows when it is mapped.
TMsgFrm::TMsgFrm()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput
                           | Qt::X11BypassWindowManagerHint)
{
    setObjectName(QStringLiteral("MsgFrm"));
    setWindowTitle(QStringLiteral("Phrase"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Phrase"));
    resize(226, 68);
    setWindowOpacity(1.0);
}

void TMsgFrm::MoveTo(int x, int y)
{
    QPoint pos(x, y);
    const QSize size = this->size();
    QScreen* screen = QGuiApplication::screenAt(QRect(pos, size).center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        pos = ov::SnapToWorkArea(pos, size, screen->geometry(), screen->availableGeometry());
    move(pos);
}

void TMsgFrm::Present(const QRegion& region, const QColor& colour, int opacity)
{
    colour_ = colour;
    opacity_ = std::clamp(opacity, 0, 255);
    if (region.isEmpty()) {
        hide();
        return;
    }
    setMask(region);
    setWindowOpacity(opacity_ / 255.0);
    show();
    raise(); // a mapped window keeps its old place in the stack otherwise
    update();
}

void TMsgFrm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}
