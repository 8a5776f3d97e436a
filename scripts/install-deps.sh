#!/bin/sh
# Installs the Debian packages Lorvane needs to build, test, package and run,
# skipping those already present (desktop-file-utils and the packages after it
# check the installed game and build and check its Debian package). Uses sudo
# when not run as root.
#
# With --tools it also installs what the hand-run tools need: XBoard, its
# UCI/UCCI adapter and maxqi for tools/tournament.py and the matches in the
# README, and the accessibility stack for tools/atspi_check.sh.
set -eu

PACKAGES="
  build-essential
  cmake
  ninja-build
  pkg-config
  libgtest-dev
  libgmock-dev
  qt6-base-dev
  qt6-base-dev-tools
  libqt6test6
  qt6-qpa-plugins
  libgl-dev
  desktop-file-utils
  appstream
  dpkg-dev
  file
  lintian
  groff-base
  xvfb
  xauth
  xdotool
  x11-utils
  clang
  libfuzzer-14-dev
  libclang-rt-14-dev
  fairy-stockfish
"

TOOL_PACKAGES="
  xboard
  uci2wb
  fairymax
  python3
  dbus
  at-spi2-core
  python3-pyatspi
  imagemagick
"

case "${1:-}" in
  "") ;;
  --tools) PACKAGES="$PACKAGES $TOOL_PACKAGES" ;;
  *) echo "usage: $0 [--tools]" >&2; exit 2 ;;
esac

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
