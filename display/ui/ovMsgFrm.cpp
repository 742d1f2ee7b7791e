#include "display/ui/ovMsgFrm.h"

TMsgFrm::TMsgFrm()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("MsgFrm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
}
