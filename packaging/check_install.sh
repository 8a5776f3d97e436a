#!/bin/bash
# Checks Lorvane as the desktop sees it once installed.
#
#   check_install.sh MODE BUILD_DIR APP_ID VERSION TITLE
#
# VERSION is the game's version, TITLE its window's caption. MODE is one of
#   files    install into temporary DESTDIRs (two prefixes): every file where the
#            desktop looks for it, validators, manual pages, changelog
#   game     the installed game, run from its installed path alone, shows its window
#            (offscreen), and under X its window carries the class the menu entry
#            names, the icon and title
#   package  the Debian package: fields, dependencies, contents, lintian
set -eu

mode=$1
build=$(cd "$2" && pwd)
app_id=$3
version=$4
title=$5
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# install PREFIX: installs the build into a fresh DESTDIR and prints its path.
install_tree() {
  local dest
  dest=$(mktemp -d "$work/dest.XXXX")
  DESTDIR=$dest cmake --install "$build" --prefix "$1" >"$dest.log" || { cat "$dest.log" >&2; fail "cmake --install"; }
  echo "$dest"
}

icon_sizes="16 22 24 32 48 64 128 256 512"

# The files an installation under PREFIX must hold, relative to /.
expected_files() {
  local p=${1#/}
  echo "$p/games/lorvane"
  echo "$p/games/lorvane-engine"
  echo "$p/share/applications/$app_id.desktop"
  echo "$p/share/metainfo/$app_id.metainfo.xml"
  for s in $icon_sizes; do
    echo "$p/share/icons/hicolor/${s}x${s}/apps/$app_id.png"
    echo "$p/share/icons/hicolor/${s}x${s}@2/apps/$app_id.png"
  done
  echo "$p/share/man/man6/lorvane.6.gz"
  echo "$p/share/man/man6/lorvane-engine.6.gz"
  for f in LICENSE OFL.txt copyright changelog.gz; do echo "$p/share/doc/lorvane/$f"; done
}

# Width and height of a PNG file, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}

desktop_key() {
  sed -n "s/^$2=//p" "$1"
}

check_tree() {
  local dest=$1 prefix=$2
  (cd "$dest" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) >"$work/found"
  expected_files "$prefix" | sort >"$work/expected"
  diff -u "$work/expected" "$work/found" || fail "installed files under $prefix differ from the expected list"

  local root=$dest$prefix
  for p in lorvane lorvane-engine; do
    [ -x "$root/games/$p" ] || fail "$p is not executable"
    # Nothing may point back into the build tree.
    if readelf -d "$root/games/$p" | grep -E 'R(UN)?PATH' | grep -q "$build"; then
      fail "$p has a run path into the build tree"
    fi
  done

  # The menu entry: valid, starts the installed game, names the icon and the
  # window class; the metainfo launches this entry.
  local desktop=$root/share/applications/$app_id.desktop
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
  [ "$(desktop_key "$desktop" Exec)" = "$prefix/games/lorvane" ] || fail "Exec is not $prefix/games/lorvane"
  [ "$(desktop_key "$desktop" Icon)" = "$app_id" ] || fail "Icon is not $app_id"
  [ "$(desktop_key "$desktop" StartupWMClass)" = "Lorvane" ] || fail "StartupWMClass is not Lorvane"
  appstreamcli validate --no-net --strict "$root/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
  if [ "$prefix" = /usr ]; then
    # Reads <tree>/usr/share: the metainfo together with the entry it launches.
    appstreamcli validate-tree --no-net --strict "$dest" || fail "appstreamcli validate-tree"
  fi
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$root/share/metainfo/$app_id.metainfo.xml" ||
    fail "metainfo does not launch $app_id.desktop"
  grep -q "<release version=\"$version\" " "$root/share/metainfo/$app_id.metainfo.xml" ||
    fail "metainfo has no release $version"

  # Each icon is drawn at its size.
  for s in $icon_sizes; do
    [ "$(png_size "$root/share/icons/hicolor/${s}x${s}/apps/$app_id.png")" = "${s}x${s}" ] || fail "icon ${s}x${s}"
    local d=$((s * 2))
    [ "$(png_size "$root/share/icons/hicolor/${s}x${s}@2/apps/$app_id.png")" = "${d}x${d}" ] || fail "icon ${s}x${s}@2"
  done

  # Manual pages: compressed, section 6, and groff formats them without a warning.
  for p in lorvane lorvane-engine; do
    local page=$root/share/man/man6/$p.6.gz
    zcat "$page" | grep -q "^\.TH $(echo "$p" | tr a-z A-Z | sed 's/-/\\\\-/') 6 \".*\" \"Lorvane $version\" " ||
      fail "$p.6: no .TH line for section 6 of Lorvane $version"
    local warnings
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 -K utf8 2>&1) || fail "groff on $p.6"
    [ -z "$warnings" ] || fail "groff warns on $p.6: $warnings"
  done

  grep -q "GNU GENERAL PUBLIC LICENSE" "$root/share/doc/lorvane/LICENSE" || fail "LICENSE"
  grep -q "SIL OPEN FONT LICENSE Version 1.1" "$root/share/doc/lorvane/OFL.txt" || fail "OFL.txt"
  # The changelog's last entry is this version's.
  zcat "$root/share/doc/lorvane/changelog.gz" | head -1 | grep -qF "lorvane ($version) " ||
    fail "the changelog's last entry is not version $version"
}

# The installed game, started from its installed path with a clean
# environment in an empty directory, under the offscreen platform: it paints
# its window at the window's fixed width, then keeps running until stopped.
check_game_offscreen() {
  local game=$1
  mkdir -p "$work/empty" "$work/runtime"
  chmod 700 "$work/runtime"
  (cd "$work/empty" &&
    exec env -i PATH=/usr/bin:/bin HOME="$work/empty" XDG_RUNTIME_DIR="$work/runtime" \
      ASAN_OPTIONS="${ASAN_OPTIONS:-}" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
      "$game" >"$work/offscreen.log" 2>&1) &
  local pid=$!
  pids+=("$pid")
  local shown=""
  for _ in $(seq 300); do
    if grep -q 'Syncing QRegion(0,0 651x[0-9]*) of lorvane::MainWindow' "$work/offscreen.log"; then
      shown=yes
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$shown" ] || { tail -20 "$work/offscreen.log" >&2; fail "the installed game did not paint its window"; }
  sleep 1
  kill -0 "$pid" 2>/dev/null || { tail -20 "$work/offscreen.log" >&2; fail "the installed game stopped by itself"; }
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 143 ] || fail "the installed game ended with status $status on SIGTERM"
}

# Under a real X server: the window's class is the menu entry's
# StartupWMClass, its title the game's, and it carries the icon.
check_game_x11() {
  local game=$1 desktop=$2
  local wm_class
  wm_class=$(desktop_key "$desktop" StartupWMClass)
  cat >"$work/x11.sh" <<EOF
set -eu
"$game" >"$work/x11-game.log" 2>&1 &
game_pid=\$!
wid=\$(timeout 30 xdotool search --sync --onlyvisible --class '^$wm_class\$' | head -1)
xprop -id "\$wid" WM_CLASS _NET_WM_NAME _NET_WM_ICON >"$work/xprop.txt"
kill -TERM "\$game_pid"
EOF
  (cd "$work/empty" && env -i PATH=/usr/bin:/bin HOME="$work/empty" XDG_RUNTIME_DIR="$work/runtime" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/x11.sh") ||
    { cat "$work/x11-game.log" >&2; fail "no window of class $wm_class under X"; }
  grep -q '^WM_CLASS(STRING) = "lorvane", "'"$wm_class"'"$' "$work/xprop.txt" ||
    fail "WM_CLASS: $(grep WM_CLASS "$work/xprop.txt")"
  grep -qxF "_NET_WM_NAME(UTF8_STRING) = \"$title\"" "$work/xprop.txt" ||
    fail "title: $(grep _NET_WM_NAME "$work/xprop.txt")"
  for s in 16 32 48 128; do
    grep -q "Icon ($s x $s):" "$work/xprop.txt" || fail "the window has no ${s}x${s} icon"
  done
}

case $mode in
  files)
    for prefix in /usr /opt/lorvane; do
      dest=$(install_tree "$prefix")
      check_tree "$dest" "$prefix"
    done
    ;;
  game)
    dest=$(install_tree /usr)
    check_game_offscreen "$dest/usr/games/lorvane"
    check_game_x11 "$dest/usr/games/lorvane" "$dest/usr/share/applications/$app_id.desktop"
    ;;
  package)
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log") ||
      { cat "$work/cpack.log" >&2; fail "cpack"; }
    deb=$(ls "$work"/out/lorvane_*_"$arch".deb)
    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(basename "$deb")" = "lorvane_$(field Version)_$arch.deb" ] || fail "package file name $(basename "$deb")"
    [ "$(field Package)" = lorvane ] || fail "Package: $(field Package)"
    [ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
    [ "$(field Section)" = games ] || fail "Section: $(field Section)"
    [ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
    field Maintainer | grep -q "Lorvane project" || fail "Maintainer: $(field Maintainer)"
    # Dependencies computed from the binaries, plus the X11 platform plugin.
    for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
      field Depends | tr ',' '\n' | grep -q "^ *$dep\b" || fail "Depends lacks $dep: $(field Depends)"
    done
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/found"
    expected_files /usr | sort >"$work/expected"
    diff -u "$work/expected" "$work/found" || fail "package contents differ from the expected list"
    lintian --fail-on error,warning "$deb" || fail "lintian"
    ;;
  *)
    fail "unknown mode $mode"
    ;;
esac
echo "ok: $mode"
