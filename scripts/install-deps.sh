#!/bin/sh
# Installs the Debian packages Lorvane needs to build, test, package and run,
# skipping those already present (desktop-file-utils and the packages after it
# check the installed game and build and check its Debian package; orca,
# openbox, dbus-daemon, at-spi2-core and libglib2.0-bin let the tests hear the
# game through a real screen reader; procps and util-linux let them take
# turns with it). Uses sudo when not run as root.
#
# With --tools it also installs what the hand-run tools need: XBoard, its
# UCI/UCCI adapter and maxqi for tools/tournament.py and the matches in
# docs/engine.md, the accessibility stack for tools/atspi_check.sh, and
# optipng and zopfli for recompressing redrawn pictures (assets/README.md).
# With --windows: the MinGW-w64 cross compiler, Wine, NSIS and what builds Qt
# for Windows from Debian's source (make windows, make test-windows).
# With --qt-windows: only what builds Qt for Windows (scripts/build-qt.sh),
# nothing else, so that CI can start that long build while it installs the
# rest.
# With --web: emscripten, fonttools with brotli (the page's font; munkres
# meets its need for an assignment solver, which SciPy would otherwise meet
# with some 30 packages and 50 MB more), brotli, webp (the page's pictures),
# nginx with its brotli_static module (make serve-web and the browser tests
# serve the site with it), Chromium, Firefox, WebKit's MiniBrowser with its
# WebDriver (make web, make test-web).
# Several options may be given.
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
  orca
  openbox
  dbus-daemon
  at-spi2-core
  libglib2.0-bin
  procps
  util-linux
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
  optipng
  zopfli
"

# Fetching and building Qt from Debian's source package.
QT_SOURCE_PACKAGES="
  ca-certificates
  xz-utils
  util-linux
"

QT_WINDOWS_PACKAGES="
  cmake
  ninja-build
  qt6-base-dev
  qt6-base-dev-tools
  $QT_SOURCE_PACKAGES
  g++-mingw-w64-x86-64-posix
  gcc-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev
  mingw-w64-tools
"

WINDOWS_PACKAGES="
  $QT_WINDOWS_PACKAGES
  googletest
  wine
  wine64
  nsis
  icoutils
  zip
  unzip
  imagemagick
"

WEB_PACKAGES="
  emscripten
  fonttools
  python3-fonttools
  python3-munkres
  python3-brotli
  brotli
  webp
  nginx
  libnginx-mod-http-brotli-static
  chromium
  firefox-esr
  webkit2gtk-driver
"

for option in "$@"; do
  case "$option" in
    --tools) PACKAGES="$PACKAGES $TOOL_PACKAGES" ;;
    --windows) PACKAGES="$PACKAGES $WINDOWS_PACKAGES" ;;
    --qt-windows) PACKAGES=$QT_WINDOWS_PACKAGES ;;
    --web) PACKAGES="$PACKAGES $WEB_PACKAGES" ;;
    *) echo "usage: $0 [--tools] [--windows] [--web] | --qt-windows" >&2; exit 2 ;;
  esac
done

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
# A fresh machine often runs its own updates as it boots: wait for apt's
# locks rather than fail. dpkg's lock has apt's own timeout; the package
# lists' lock has none, so the update is tried again while it is held.
wait_lock="-o DPkg::Lock::Timeout=900"
err=$(mktemp)
trap 'rm -f "$err"' EXIT
tries=0
# shellcheck disable=SC2086
until $SUDO apt-get $wait_lock update -qq 2>"$err"; do
  tries=$((tries + 1))
  if ! grep -q "Could not get lock" "$err" || [ $tries -ge 180 ]; then
    cat "$err" >&2
    exit 1
  fi
  [ $tries -eq 1 ] && echo "Waiting for apt's lists lock..."
  sleep 5
done
# shellcheck disable=SC2086
$SUDO apt-get $wait_lock install -y -qq --no-install-recommends $missing
