#include "display/ui/platformwindowsystem.h"

#include "display/ui/x11windowsystem.h"

#include <QGuiApplication>

namespace ov {

std::unique_ptr<WindowSystem> PlatformWindowSystem()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection())
        return X11WindowSystemOn(x11->connection());
    return std::make_unique<NoWindowSystem>();
}

} // namespace ov
