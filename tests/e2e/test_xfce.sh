#!/usr/bin/env bash
# Xfce's window manager with its compositor on: phrases over a full-screen
# window are letter-shaped at the set contrast, let clicks through and leave
# the focus alone.
source "$ORVELLA_E2E_LIB"
APP_SOURCE=$1
source "$(dirname "${BASH_SOURCE[0]}")/x11_desktop_lib.sh"
command -v xfwm4 >/dev/null || skip "xfwm4 is not installed"

start_x 1920x1080
start_session_bus
xfwm4 --compositor=on --replace >"$E2E_TMP/xfwm4.log" 2>&1 &
E2E_PIDS+=($!)
desktop_up xfwm4 $!
start_tray
desktop_checks "Xfce (xfwm4 compositing)"
