#!/usr/bin/env bash
# Xfce's window manager with its compositor on: phrases over a full-screen
# window are letter-shaped at the set contrast, let clicks through and leave
# the focus alone.
source "$ORVELLA_E2E_LIB"
source "$(dirname "${BASH_SOURCE[0]}")/x11_desktop_lib.sh"
start_desktop xfwm4 --compositor=on --replace
start_tray
desktop_checks "Xfce (xfwm4 compositing)"
