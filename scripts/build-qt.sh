#!/bin/sh
# Builds Qt for Windows from Debian's own qt6-base source package, once per
# machine, and prints the installed prefix on its last line of output.
#
#   scripts/build-qt.sh windows   static Qt for 64-bit Windows (MinGW-w64)
#
# The source is the same version as the system's Qt, so the system's moc, rcc
# and uic serve as host tools. It is fetched with apt through a private sources
# list; the system's apt configuration is never touched. Builds are cached in
# ${LORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lorvane}, keyed by the Qt
# version and the configure options, so later runs reuse them at once. Qt's
# toolchain file names the checkout it was built from, so builds of the game
# name their own toolchain file (QT_CHAINLOAD_TOOLCHAIN_FILE).
set -eu

target=${1:-}
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${LORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lorvane}
jobs=${JOBS:-$(nproc)}

# The Debian version of the system's Qt (6.4.2+dfsg-10) and its upstream part.
debver=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qtver=$(echo "$debver" | sed 's/+.*//; s/-.*//')

# Only what the game and its tests use: Core, Gui, Widgets, Test, the bundled
# image, text and regular-expression libraries, no SQL, network, D-Bus,
# printing, XML or concurrency modules.
common="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_sql_sqlite=OFF"

# Parts of Core, Gui and Widgets the game never touches: item models it does
# not use, the undo framework, text formats other than plain and HTML, image
# formats other than PNG, animations, pictures, PDF, the tray, processes,
# shared memory, translations, other calendars, gestures, XML streams, the
# graphics view, style sheets, MIME types, command lines, file watching,
# sorting and identity proxies, and every widget and dialog the window does
# not have (it has labels, radio buttons in a group box, a list, a menu bar
# with menus, message boxes and its own picture controls). The Windows style
# names the dock widget, the input dialog and the command link button, so
# those stay.
cut="transposeproxymodel concatenatetablesproxymodel undocommand undostack undogroup
  textmarkdownreader textmarkdownwriter textodfwriter movie picture pdf
  systemtrayicon imageformatplugin ico imageformat_bmp imageformat_ppm
  imageformat_xbm raster_fp desktopservices process systemsemaphore
  sharedmemory translation jalalicalendar hijricalendar islamiccivilcalendar
  sha3_fast gestures xmlstream xmlstreamreader xmlstreamwriter
  graphicsview graphicseffect mdiarea toolbox calendarwidget datetimeedit
  dial lcdnumber splashscreen syntaxhighlighter textbrowser fontdialog
  colordialog filedialog errormessage progressdialog wizard columnview
  tablewidget treewidget datawidgetmapper fontcombobox keysequenceedit
  style_stylesheet mimetype commandlineparser filesystemwatcher filesystemmodel
  sortfilterproxymodel identityproxymodel"
off() { for f in "$@"; do printf -- ' -DFEATURE_%s=OFF' "$f"; done; }

case "$target" in
  windows)
    # Debian's source has no wintab headers, so no tablet events; the game
    # draws with QPainter only, so no OpenGL (and no dynamic OpenGL loader).
    # The Direct2D platform plugin, which the game never loads, is not built
    # (Direct2D 1.1 is used by nothing else; DirectWrite text stays).
    options="$common -DCMAKE_TOOLCHAIN_FILE=$here/packaging/windows/mingw-w64.cmake
      -DFEATURE_tabletevent=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
      -DFEATURE_direct2d1_1=OFF
      -DFEATURE_optimize_size=ON
      $(off $cut)"
    ;;
  *) echo "usage: $0 windows" >&2; exit 2 ;;
esac

# The key once also named the fonts of a browser build, empty for Windows;
# the empty line stays, so that a Qt built before keeps its key.
key=$(printf '%s\n%s\n\n' "$debver" "$options" | sed "s|$here|.|g" | sha1sum | cut -c1-10)
prefix="$cache/qt-$qtver-$target-$key"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
# One build at a time per cache.
exec 9>"$cache/.lock-$target"
flock 9
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# --- the source, fetched once
src="$cache/src-$qtver"
if [ ! -f "$src/.complete" ]; then
  rm -rf "$src"
  mkdir -p "$src/apt/parts" "$src/apt/lists/partial"
  # deb-src entries with the URIs, suites and keys of the system's own lists.
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f"
    echo
  done > "$src/apt/parts/lorvane-src.sources"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$src/apt/parts/lorvane-src.list"
  fi
  apt_opts="-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts=$src/apt/parts
    -o Dir::State::Lists=$src/apt/lists -o APT::Sandbox::User=root"
  # shellcheck disable=SC2086
  apt-get $apt_opts -qq update
  # shellcheck disable=SC2086
  (cd "$src" && apt-get $apt_opts -qq source --download-only "qt6-base=$debver")
  tar -C "$src" -xf "$src"/qt6-base_*.orig.tar.xz
  touch "$src/.complete"
fi
qtsrc=$(find "$src" -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -n 1)

# --- configure and build, in a fresh folder each time
build="$cache/build-$target-$key"
rm -rf "$build" "$prefix"
start=$(date +%s)
# shellcheck disable=SC2086
cmake -S "$qtsrc" -B "$build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" $options \
  > "$cache/configure-$target.log" 2>&1 || {
  tail -n 40 "$cache/configure-$target.log" >&2
  exit 1
}
cmake --build "$build" -j "$jobs" > "$cache/build-$target.log" 2>&1 || {
  grep -B 5 -A 20 'FAILED' "$cache/build-$target.log" | head -n 80 >&2
  exit 1
}
cmake --install "$build" > "$cache/install-$target.log" 2>&1

echo "Qt $qtver for $target built in $(( ($(date +%s) - start) / 60 )) min" >&2
rm -rf "$build"
touch "$prefix/.complete"
echo "$prefix"
