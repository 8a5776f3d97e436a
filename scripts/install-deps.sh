#!/bin/sh
# Installs the Debian packages Lorvane needs to build, test, package and run,
# skipping those already present (desktop-file-utils and the packages after it
# check the installed game and build and check its Debian package). Uses sudo
# when not run as root.
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
