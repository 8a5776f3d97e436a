#!/bin/sh
# Builds Qt for another platform from Debian's own qt6-base source package, once
# per machine, and prints the installed prefix on its last line of output.
#
#   scripts/build-qt.sh windows   static Qt for 64-bit Windows (MinGW-w64)
#   scripts/build-qt.sh wasm      static Qt for WebAssembly (emscripten, asyncify)
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

# Parts of Core and Gui the game never touches: item models it does not use,
# the undo framework, text formats other than plain and HTML, image formats
# other than PNG, animations, pictures, PDF, the tray, processes, shared
# memory, translations, other calendars, gestures and XML streams.
cut="transposeproxymodel concatenatetablesproxymodel undocommand undostack undogroup
  textmarkdownreader textmarkdownwriter textodfwriter movie picture pdf
  systemtrayicon imageformatplugin ico imageformat_bmp imageformat_ppm
  imageformat_xbm raster_fp desktopservices process systemsemaphore
  sharedmemory translation jalalicalendar hijricalendar islamiccivilcalendar
  sha3_fast gestures xmlstream xmlstreamreader xmlstreamwriter"
# The widgets and dialogs the game does not show, and the models only they are
# built on. Only the browser build drops them: on Windows the game's style
# (windowsvista) includes the headers of nearly every widget, so there the
# widget set stays whole, and with it the models of its combo box and file
# dialog.
cut_widgets="standarditemmodel sortfilterproxymodel
  treewidget tablewidget treeview tableview columnview
  datawidgetmapper commandlinkbutton datetimeedit calendarwidget textbrowser
  textedit syntaxhighlighter splashscreen splitter formlayout lcdnumber
  lineedit spinbox combobox fontcombobox tabbar tabwidget stackedwidget
  toolbox dockwidget mdiarea statusbar progressbar dial graphicsview
  graphicseffect sizegrip keysequenceedit colordialog filedialog fontdialog
  progressdialog inputdialog errormessage wizard completer fscompleter
  undoview scroller style_stylesheet validator"
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
  wasm)
    # The wasm platform plugin draws through OpenGL, so it stays on. Asyncify
    # lets a modal message box wait inside the click that opened it.
    options="$common -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
      -DFEATURE_thread=OFF -DFEATURE_testlib=OFF
      -DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1
      -DFEATURE_optimize_size=ON -DFEATURE_mimetype_database=OFF
      $(off $cut $cut_widgets)"
    # Debian's node does not search Debian's node modules (emcc needs acorn).
    export NODE_PATH=/usr/share/nodejs
    ;;
  *) echo "usage: $0 windows|wasm" >&2; exit 2 ;;
esac

# The fonts of Qt's browser platform are cut down to the game's characters,
# so their list is part of that build's key, and the widget styles' pictures
# are left out (below).
fonts_key=""
if [ "$target" = wasm ]; then
  fonts_key="fonts $(sha1sum < "$here/assets/fonts/chars.txt" | cut -c1-40) no-style-pictures"
fi
key=$(printf '%s\n%s\n%s\n' "$debver" "$options" "$fonts_key" | sed "s|$here|.|g" | sha1sum | cut -c1-10)
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

# --- configure and build, in a fresh folder each time (emscripten's configure
# check refuses a folder that was configured before)
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

# Qt's browser platform embeds three fonts, DejaVu Sans, DejaVu Sans Mono and
# Bitstream Vera Sans (1 MB), for every text no font of the program covers.
# The game's texts use only the characters of assets/fonts/chars.txt, so the
# DejaVu fonts keep those, Latin-1 and the punctuation block, each with its
# glyphs, hinting, names and layout tables whole: every text of the game draws
# as before. Vera's licence allows no change under its name; it stays whole.
if [ "$target" = wasm ]; then
  fonts="$qtsrc/src/3rdparty/wasm"
  cut_fonts="$build/game-fonts"
  mkdir -p "$cut_fonts"
  for font in DejaVuSans DejaVuSansMono; do
    pyftsubset "$fonts/$font.ttf" --output-file="$cut_fonts/$font.ttf" \
      --text-file="$here/assets/fonts/chars.txt" --unicodes=U+0020-007E,U+00A0-00FF,U+2000-206F \
      --layout-features='*' --glyph-names --symbol-cmap --legacy-cmap --notdef-glyph \
      --notdef-outline --recommended-glyphs --name-IDs='*' --name-legacy \
      --name-languages='*' --drop-tables= --hinting
  done
  cp "$fonts/Vera.ttf" "$cut_fonts/"
  {
    echo '<RCC><qresource prefix="/fonts">'
    for font in DejaVuSansMono Vera DejaVuSans; do
      echo "<file alias=\"$font.ttf\">$cut_fonts/$font.ttf</file>"
    done
    echo '</qresource></RCC>'
  } > "$cut_fonts/wasmfonts.qrc"
  /usr/lib/qt6/libexec/rcc --no-compress -name wasmfonts "$cut_fonts/wasmfonts.qrc" \
    -o "$cut_fonts/qrc_wasmfonts.cpp"
  em++ -std=c++17 -Os -c "$cut_fonts/qrc_wasmfonts.cpp" \
    -o "$prefix/lib/objects-Release/QWasmIntegrationPlugin_resources_1/.rcc/qrc_wasmfonts.cpp.o"

  # Qt's widget styles embed 216 pictures (360 KB) for the standard icons of
  # file dialogs, tool bars, docks, media players and the buttons of dialogs
  # that show icons. The game's window and boxes show none of them (its boxes
  # have no icon and their buttons none; the browser's title bars draw their
  # own), so both resources are rebuilt empty, under their own names.
  for res in qstyle qstyle1; do
    object=$(find "$prefix/lib/objects-Release" -path "*/.rcc/qrc_$res.cpp.o")
    [ -n "$object" ] || { echo "qrc_$res.cpp.o not found in $prefix" >&2; exit 1; }
    echo '<RCC><qresource prefix="/unused"></qresource></RCC>' > "$cut_fonts/$res.qrc"
    /usr/lib/qt6/libexec/rcc -name "$res" "$cut_fonts/$res.qrc" -o "$cut_fonts/qrc_$res.cpp" \
      2>> "$cache/install-$target.log"
    em++ -std=c++17 -Os -c "$cut_fonts/qrc_$res.cpp" -o "$object"
  done
fi
echo "Qt $qtver for $target built in $(( ($(date +%s) - start) / 60 )) min" >&2
rm -rf "$build"
touch "$prefix/.complete"
echo "$prefix"
