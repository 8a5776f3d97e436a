#!/bin/bash
# Plays one move by keyboard in the real game window, under Xvfb with the
# accessibility bus, and keeps what a screen reader gets: the tree before and
# after, every event in between, and a screenshot.
#
# usage: tools/atspi_check.sh build/lorvane OUTDIR
# needs: xvfb, xdotool, imagemagick, dbus, at-spi2-core, python3-pyatspi
# (scripts/install-deps.sh --tools installs them)
set -eu
GAME=$(realpath "$1")
OUT=$2
PROBE=$(dirname "$(realpath "$0")")/atspi_probe.py
mkdir -p "$OUT"
RUN=$(mktemp -d)
chmod 700 "$RUN"
export XDG_RUNTIME_DIR=$RUN
PIDS=()
finish() {
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$RUN"
}
trap finish EXIT

wait_for() { for _ in $(seq 100); do [ -s "$1" ] && return; sleep 0.1; done; echo "no $1" >&2; exit 1; }

Xvfb -displayfd 5 -screen 0 1024x768x24 5>"$RUN/display" 2>"$OUT/xvfb.log" &
PIDS+=($!)
wait_for "$RUN/display"
export DISPLAY=:$(cat "$RUN/display")
dbus-daemon --session --nofork --nopidfile --address="unix:path=$RUN/bus" --print-address=6 \
  6>"$RUN/bus-address" >"$OUT/dbus.log" 2>&1 &
PIDS+=($!)
wait_for "$RUN/bus-address"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$RUN/bus-address")
# Qt connects only to an accessibility bus that exists already.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >"$OUT/a11y-bus.log" 2>&1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$GAME" >"$OUT/game.log" 2>&1 &
PIDS+=($!)
WINDOW=$(xdotool search --sync --onlyvisible --name 'Lorvane' | head -1)
sleep 2
/usr/bin/python3 "$PROBE" tree >"$OUT/tree-before.txt"
/usr/bin/python3 -u "$PROBE" listen >"$OUT/events.txt" 2>"$OUT/listen.log" &
PIDS+=($!)
sleep 2

# The cursor starts on the player's general (file 4, rank 9): up two and left
# three to the cannon, Enter; right three, Enter: 【炮】八平三.
xdotool windowfocus --sync "$WINDOW"
sleep 0.5
for key in Up Up Left Left Left Return Right Right Right Return; do
  xdotool key "$key"
  sleep 0.4
done
sleep 2
xdotool key F2
sleep 1
import -window root -crop 651x561+0+0 "$OUT/screen.png"
/usr/bin/python3 "$PROBE" tree >"$OUT/tree-after.txt"
sleep 1
echo "tree, events and screenshot in $OUT"
