#!/bin/bash
# Plays Lorvane by keyboard under Orca, Debian's screen reader, and keeps
# what Orca would have spoken: its debug log's "SPEECH OUTPUT" lines.
#
#   orca_session.sh LOG WINDOW_NAME READY KEYS -- COMMAND...
#
# Everything runs apart from the desktop: a private X display with openbox
# (Orca heeds only the active window, and only a window manager makes one
# active), a private session bus and accessibility bus, and Orca with its
# settings in a folder of its own. COMMAND is started there, its window
# (found by WINDOW_NAME) activated, and once Orca has spoken words matching
# READY (an extended regular expression: the program is ready for keys),
# KEYS are sent one by one, each an xdotool
# key name, with "sleep:N" for a longer pause. LOG gets the speech
# lines, one a line, without the quoting; LOG.debug keeps Orca's whole log.
set -eu

log=$1
name=$2
ready=$3
keys=$4
shift 5

for tool in Xvfb openbox orca xdotool xprop flock dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/install-deps.sh)" >&2; exit 1; }
done

# Orca runs once per user on the whole machine: a second one refuses to
# start, and one started with --replace kills the first. So sessions (of
# this checkout or another) take turns, and a screen reader the user is
# running is never touched: the session says so and stops. Only this
# script holds the lock, not what it starts, so nothing left over keeps it.
exec 8>"${TMPDIR:-/tmp}/lorvane-orca-$(id -u).lock"
flock -w 200 8 || { echo "another screen reader session kept the lock for 200 s" >&2; exit 1; }
if others=$(pgrep -u "$(id -u)" -x orca); then
  echo "Orca is already running (pid $(echo $others)); the session needs it to itself" >&2
  exit 1
fi

run=$(mktemp -d "${TMPDIR:-/tmp}/lorvane-orca.XXXXXX")
chmod 700 "$run"
log=$(realpath -m "$log")
rm -f "$log" "$log.debug"
xpid=
finish() {
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$run"
}
trap finish EXIT

# -noreset: an X server resets when its last client leaves. The first one
# here, the accessibility bus launcher, leaves as soon as it has named its
# bus on the root window; the reset wiped that name, and the window manager,
# connecting at that moment, now and then found no display.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset 5>"$run/display" 2>"$run/xvfb.log" 8>&- &
xpid=$!
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
[ -s "$run/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$run/display")

# Orca's settings, gsettings' store and the session's sockets stay in $run.
export HOME=$run/home XDG_RUNTIME_DIR=$run XDG_CONFIG_HOME=$run/config \
  XDG_DATA_HOME=$run/data XDG_CACHE_HOME=$run/cache GSETTINGS_BACKEND=keyfile
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
export ORCA_LOG=$log KEYS=$keys WINDOW_NAME=$name READY=$ready

status=0
dbus-run-session -- bash -c '
  set -eu
  pids=()
  stop() { for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done; }
  trap stop EXIT
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$XDG_RUNTIME_DIR/a11y.log" 2>&1 &
  pids+=($!)
  openbox >"$XDG_RUNTIME_DIR/openbox.log" 2>&1 &
  pids+=($!)
  # Windows are activated through the window manager: wait until it has
  # taken the screen.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
    { echo "openbox did not take the screen:" >&2; cat "$XDG_RUNTIME_DIR/openbox.log" >&2; exit 1; }
  gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true 2>/dev/null || true
  sleep 1
  orca --debug-file="$ORCA_LOG.debug" >"$XDG_RUNTIME_DIR/orca.log" 2>&1 &
  orca=$!
  pids+=($orca)
  # Orca takes a few seconds to settle before it hears anything.
  for _ in $(seq 150); do grep -qs "SPEECH OUTPUT" "$ORCA_LOG.debug" && break; sleep 0.1; done
  sleep 3
  "$@" >"$XDG_RUNTIME_DIR/program.log" 2>&1 &
  pids+=($!)
  # A browser may show and drop windows of its own before the page.
  active=
  for _ in $(seq 60); do
    window=$(xdotool search --onlyvisible --name "$WINDOW_NAME" 2>/dev/null | tail -1)
    if [ -n "$window" ] && xdotool windowactivate --sync "$window" 2>/dev/null; then active=1; break; fi
    sleep 1
  done
  if [ -z "$active" ]; then
    echo "no window named $WINDOW_NAME could be activated; windows so named:" \
      "$(xdotool search --name "$WINDOW_NAME" 2>&1 | tr "\n" " ")" >&2
    [ -z "$window" ] || xdotool windowactivate --sync "$window" 2>&1 | head -n 2 >&2
    cat "$XDG_RUNTIME_DIR/program.log" "$XDG_RUNTIME_DIR/openbox.log" >&2
    exit 1
  fi
  for _ in $(seq 600); do grep -Eqs "SPEECH OUTPUT: .*($READY)" "$ORCA_LOG.debug" && break; sleep 0.1; done
  grep -Eqs "SPEECH OUTPUT: .*($READY)" "$ORCA_LOG.debug" || { echo "Orca never said: $READY" >&2; exit 1; }
  # A page is read out as it loads: the keys wait until Orca is quiet.
  said=-1
  for _ in $(seq 30); do
    now=$(grep -c "SPEECH OUTPUT" "$ORCA_LOG.debug" || true)
    [ "$now" = "$said" ] && break
    said=$now
    sleep 2
  done
  for key in $KEYS; do
    case "$key" in
      sleep:*) sleep "${key#sleep:}" ;;
      # A chord as a person plays it: the modifier held a moment around the
      # key. Sent all at once, the toolkit, which hands each key to the
      # screen reader first, may see the modifier let go before the key.
      *+*)
        xdotool keydown "${key%+*}"; sleep 0.15
        xdotool key "${key##*+}"; sleep 0.15
        xdotool keyup "${key%+*}"; sleep 1.2 ;;
      *) xdotool key "$key"; sleep 1.2 ;;
    esac
  done
  sleep 2
  # Orca writes the rest of its log as it shuts down, while the buses live.
  kill "${pids[-1]}" 2>/dev/null || true
  kill "$orca" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done
' bash "$@" 8>&- || status=$?

# "SPEECH OUTPUT: 'words'" lines, in the order Orca spoke them.
sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)'\({.*\)\?$/\1/p" "$log.debug" >"$log"
exit $status
