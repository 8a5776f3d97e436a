#!/bin/sh
# End-to-end check of the Windows packages under Wine, in a fresh prefix:
#   check_windows.sh SETUP.exe PORTABLE.zip UIA-PROBE.exe VERSION TITLE [SHOT_DIR]
# with the game's VERSION and TITLE, the caption of its window:
# the zip holds what a player needs; the installer runs silently; the
# installed game starts on an X server, a move made with real X clicks is
# answered, marked and written to both lists; the installed engine, started
# with no arguments as GUIs start it, plays a UCCI session; UI Automation
# reads the window's accessible name, as a screen reader would; the silent
# uninstall leaves no file, shortcut or registry key of ours. SHOT_DIR, if
# given, receives the screenshots (before and after the move, and at 125, 150
# and 200% display scaling).
set -eu
setup=$(realpath "$1")
zip=$(realpath "$2")
probe=$(realpath "$3")
version=$4
title=$5
shots=${6:-}

work=$(mktemp -d)
xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Each stretch of the check runs its programs on one Wine server, started
# before them and kept up until the stretch ends: a program that starts just
# as a server is ending fails at once. Wine's services start with the
# server's first program; they are started here, away from the pipes of the
# programs checked below.
server_up() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
}
# Ends the stretch's server with all its programs, writing the registry out.
server_down() {
  wineserver -k 2>/dev/null || true
  wineserver -w
}

export WINEPREFIX="$work/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The Windows game must not pick up the Linux Qt's settings.
unset QT_QPA_PLATFORM QT_PLUGIN_PATH QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
      QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_STYLE_OVERRIDE

# --- the portable zip
name=$(basename "$zip" .zip)
unzip -Z1 "$zip" | grep -v '/$' | sort > "$work/zip.txt"
printf '%s\n' "$name/LICENSE.txt" "$name/Lorvane.exe" "$name/OFL.txt" "$name/README.txt" \
  "$name/lorvane-engine.exe" | sort > "$work/want.txt"
cmp -s "$work/zip.txt" "$work/want.txt" || fail "zip holds: $(cat "$work/zip.txt")"
unzip -p "$zip" "$name/README.txt" > "$work/README.txt"
lines=$(wc -l < "$work/README.txt")
crlf=$(grep -c "$(printf '\r')\$" "$work/README.txt" || true)
[ "$lines" -gt 5 ] && [ "$crlf" -eq "$lines" ] || fail "README.txt: $crlf of $lines lines end in CRLF"

# --- silent install
wineboot --init >/dev/null 2>&1
wineserver -w
server_up
wine "$setup" /S
dir="$WINEPREFIX/drive_c/Program Files/Lorvane"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lorvane 中国象棋.lnk"
desktop="$WINEPREFIX/drive_c/users/Public/Desktop/Lorvane 中国象棋.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lorvane'
for f in Lorvane.exe lorvane-engine.exe LICENSE.txt OFL.txt README.txt uninstall.exe; do
  [ -f "$dir/$f" ] || fail "not installed: $f"
done
# The installed programs are the zip's, so what plays below is the zip's game.
for f in Lorvane.exe lorvane-engine.exe; do
  unzip -p "$zip" "$name/$f" | cmp -s - "$dir/$f" || fail "installed $f is not the zip's"
done
[ -f "$menu" ] || fail "no Start-menu entry"
[ -f "$desktop" ] || fail "no desktop shortcut"
for value in DisplayName DisplayIcon DisplayVersion Publisher UninstallString \
             QuietUninstallString EstimatedSize; do
  wine reg query "$key" /v "$value" >/dev/null 2>&1 || fail "uninstall entry lacks $value"
done
wine reg query "$key" /v DisplayVersion | grep -qF "$version" || fail "wrong DisplayVersion"

# --- the installed engine, started with no arguments, CRLF input
after_cannon='rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR b'
want=$(printf '%s\r\n' "$after_cannon" | wine "$dir/lorvane-engine.exe" search 2 | tr -d '\r' | cut -d' ' -f1)
printf 'ucci\r\nisready\r\nposition startpos moves h2e2\r\ngo depth 2\r\nquit\r\n' |
  wine "$dir/lorvane-engine.exe" 2>"$work/engine.err" | tr -d '\r' > "$work/engine.out"
grep -qx ucciok "$work/engine.out" || fail "no ucciok: $(cat "$work/engine.out")"
grep -qx readyok "$work/engine.out" || fail "no readyok"
grep -qx "bestmove $want" "$work/engine.out" || fail "UCCI reply is not the game's $want"

# --- the installed game on an X server, moves made by real clicks
Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Starts the game at a display scaling in percent (Windows' LogPixels), and
# sets X, Y (the window), top (the client area's top, under the menu bar).
pct=100
# The game's visible window, if there is one: the one captioned TITLE (for
# xdotool, a regular expression matching TITLE alone).
title_pattern="^$(printf '%s' "$title" | sed 's/[][\\.*^$+?(){}|]/\\&/g')\$"
game_window() {
  xdotool search --onlyvisible --name "$title_pattern" 2>/dev/null | head -n 1
}
start_game() {
  pct=$1
  server_down
  # The last game's window can outlive its killed program for a moment, and
  # would be taken for the new one.
  for _ in $(seq 100); do
    [ -z "$(game_window)" ] && break
    sleep 0.1
  done
  [ -z "$(game_window)" ] ||
    fail "the last game's window stayed after its end"
  server_up
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * pct / 100)) /f \
    >/dev/null 2>&1
  wine "$dir/Lorvane.exe" >/dev/null 2>&1 &
  window=""
  for _ in $(seq 120); do
    window=$(game_window) || true
    [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "$window" ] || fail "the game's window did not show at $pct%"
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area is 651 x 538 at 100%, scaled as a whole.
  [ "$WIDTH" -ge $((651 * pct / 100)) ] && [ "$WIDTH" -le $((651 * pct / 100 + 1)) ] ||
    fail "window $WIDTH pixels wide at $pct%"
  top=$((Y + HEIGHT - 538 * pct / 100))
}
s() { echo $(($1 * pct / 100)); }
shot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$1"
  if [ -n "$shots" ]; then cp "$1" "$shots/"; fi
}
# Share of marker-green pixels in the marker box of point (x, y).
green() {
  convert "$1" -crop "$(s 44)x$(s 44)+$(s $((48 * $2 + 12)))+$((top - Y + $(s $((48 * $3 + 26)))))" \
    +repage -fx 'g > 0.7 && r < 0.45 && b < 0.5 ? 1 : 0' -format '%[fx:mean]' info:
}
# Share of text pixels inside a move list (List1 at 464, List2 at 560).
ink() {
  convert "$1" -crop "$(s 75)x$(s 274)+$(s $(($2 + 3)))+$((top - Y + $(s 27)))" +repage \
    -fx 'intensity < 0.5 ? 1 : 0' -format '%[fx:mean]' info:
}
click() {
  xdotool mousemove "$((X + $(s $((48 * $1 + 33)))))" "$((top + $(s $((48 * $2 + 47)))))" click 1
  sleep 1
}
above() { awk -v v="$1" -v t="$2" 'BEGIN { exit !(v > t) }'; }

start_game 100
wine "$probe" "$title" | tr -d '\r' > "$work/uia.txt"
[ "$(cat "$work/uia.txt")" = "$(printf 'Lorvane 中国象棋\t50032')" ] ||
  fail "UI Automation reads the window as: $(cat "$work/uia.txt")"
shot "$work/before.png"
# The player's cannon from h2 to e2, then the computer's reply (ICCS).
click 7 7
click 4 7
sleep 2
shot "$work/after.png"
fx=$(( $(printf '%d' "'$(echo "$want" | cut -c1)") - 97 ))
fy=$((9 - $(echo "$want" | cut -c2)))
tx=$(( $(printf '%d' "'$(echo "$want" | cut -c3)") - 97 ))
ty=$((9 - $(echo "$want" | cut -c4)))
for point in "$fx $fy" "$tx $ty"; do
  # shellcheck disable=SC2086
  above "$(green "$work/before.png" $point)" 0.01 && fail "marker at ($point) before the move"
  # shellcheck disable=SC2086
  above "$(green "$work/after.png" $point)" 0.03 || fail "the reply $want is not marked at ($point)"
done
for list in 464 560; do
  above "$(ink "$work/before.png" $list)" 0.0005 && fail "list at $list not empty at start"
  above "$(ink "$work/after.png" $list)" 0.0015 || fail "the move is not written in the list at $list"
done

# Scaled displays: the same layout, and a click selects the piece under it.
for scaled in 125 150 200; do
  start_game $scaled
  click 7 7
  shot "$work/scaled-$scaled.png"
  above "$(green "$work/scaled-$scaled.png" 7 7)" 0.03 || fail "click not on the cannon at $scaled%"
done
server_down

# --- silent uninstall: nothing of ours is left. The uninstaller hands over to
# a copy of itself and ends at once; the copy is waited for with the server
# it runs on, which ends after it.
wine "$dir/uninstall.exe" /S
wineserver -w
left=$(find "$WINEPREFIX/drive_c" -iname '*lorvane*' 2>/dev/null)
[ -z "$left" ] || fail "left after uninstall: $left"
[ ! -e "$menu" ] && [ ! -e "$desktop" ] || fail "shortcuts left after uninstall"
wine reg query "$key" >/dev/null 2>&1 && fail "uninstall entry left in the registry"
grep -il 'lorvane' "$WINEPREFIX"/*.reg && fail "registry keys of ours left"
echo "windows packages: zip, silent install, game, engine and silent uninstall all right"
