#!/usr/bin/env bash
# KDE's X11 window manager and compositor: phrases over a full-screen window
# are letter-shaped at the set contrast, let clicks through and leave the
# focus alone.
source "$ORVELLA_E2E_LIB"
source "$(dirname "${BASH_SOURCE[0]}")/x11_desktop_lib.sh"
start_desktop kwin_x11 --replace
# KWin takes the compositing manager selection before its scene is ready.
kwin_composites() {
  dbus-send --session --print-reply --dest=org.kde.KWin /Compositor org.freedesktop.DBus.Properties.Get \
    string:org.kde.kwin.Compositing string:active | grep -q 'boolean true'
}
wait_for 30 kwin_composites || echo "note: KWin does not say whether it composites"
start_tray
desktop_checks "KWin X11"
