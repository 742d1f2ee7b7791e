#!/usr/bin/env bash
# Installs the Debian 12 packages Orvella needs to build, run and test.
# Only missing packages are installed; nothing else is touched.
set -euo pipefail

PACKAGES=(
  # build
  g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
  libfontconfig-dev libxcb1-dev libxcb-shape0-dev
  # translations: lrelease/lupdate, and Qt's own for the standard buttons
  qt6-l10n-tools qt6-translations-l10n
  # the phrase as a Wayland layer surface: the client library, its scanner, the shipped protocols
  libwayland-dev libwayland-bin wayland-protocols
  # fonts the program and the tests render with
  fonts-dejavu-core
  # phrases in every script: CJK, Arabic, Hebrew, Devanagari, Thai and colour emoji
  fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji
  # end-to-end tests: X server, notification area, window manager, input, screenshots
  xvfb xauth trayer openbox xdotool x11-utils imagemagick
  # compositing managers: phrases must look the same with and without one
  picom xcompmgr
  # the desktops proven: Xfce's and KDE's X11 window managers with their compositors
  xfwm4 kwin-x11
  # the flash timing benchmark watches the screen's drawing (DAMAGE)
  libxcb-damage0-dev
  # the phrase on a Wayland overlay: sway headless, its Xwayland, waybar's tray, screenshots
  sway xwayland waybar grim
  # two monitors on a real X server without hardware
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  # end-to-end tests: a StatusNotifierItem tray on a private session bus
  dbus-x11 libglib2.0-bin haskell-status-notifier-item-utils haskell-gtk-sni-tray-utils
  # accessibility walk: the accessibility bus and its Python client
  at-spi2-core python3-pyatspi
  # auto-start entry validation, printing to PDF
  desktop-file-utils cups printer-driver-cups-pdf poppler-utils
  # the Debian package: building (dpkg-shlibdeps, file) and validating it
  dpkg-dev file fakeroot lintian appstream
  # desktop tests: GNOME, KWin and sway on Wayland, their trays and screenshots,
  # a native Wayland window (built from the Wayland headers) and the shell's D-Bus services
  gnome-shell gnome-shell-extension-appindicator kwin-wayland python3-gi iproute2
  # fuzzing the help reader (cmake -DCMAKE_CXX_COMPILER=clang++ -DORVELLA_FUZZ=ON)
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
