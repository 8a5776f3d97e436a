#!/bin/bash
# Plays one turn of Lorvane by keyboard under Orca and checks that Orca
# spoke every step in the game's words (orca_hears.py).
#
#   orca_hears.sh window   GAME OUTDIR   the game window
#   orca_hears.sh chromium SITE OUTDIR   the page in Debian's Chromium
#   orca_hears.sh firefox  SITE OUTDIR   the page in Debian's Firefox ESR
#
# The site is served by nginx as scripts/serve-web.sh serves it. OUTDIR keeps
# what Orca spoke (<face>.speech) and its whole log.
set -eu
face=$1
target=$2
out=$3
here=$(dirname "$(realpath "$0")")
mkdir -p "$out"
profile=$(mktemp -d "${TMPDIR:-/tmp}/lorvane-profile.XXXXXX")
server=
trap '[ -n "$server" ] && kill "$server"; rm -rf "$profile"' EXIT
if [ "$face" != window ]; then
  port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  "$here/../../scripts/serve-web.sh" "$target" "$port" >/dev/null &
  server=$!
  target=http://127.0.0.1:$port/lorvane/
  for _ in $(seq 50); do (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break; sleep 0.1; done
fi

# The same turn in every face: up two and left three onto the cannon, Enter;
# right three, Enter; 文件 → 悔棋; F2. On the page, from its top (where Orca
# has read it out on loading) and the menu bar, Tab goes onto the board.
turn="Up Up Left Left Left Return Right Right Right Return sleep:3 alt+f b sleep:2 F2 sleep:2"
# The page is ready once the game has started: Orca either reads out its
# live region (新局开始), or, where the game started while the page loaded
# (Orca passes over a live region then), names the board's table among what
# the loaded page holds.
page_ready="新局开始|Page has .* table"
case "$face" in
  window)
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
    set -- "$(realpath "$target")"
    ready="Lorvane 中国象棋 frame" keys=$turn ;;
  chromium)
    export ACCESSIBILITY_ENABLED=1
    set -- chromium --force-renderer-accessibility --no-sandbox --user-data-dir="$profile" \
      --no-first-run --no-default-browser-check --disable-features=Translate,TranslateUI --disable-sync \
      --disable-background-networking --disable-component-update --lang=zh-CN \
      --window-size=1000,800 --app="$target"
    ready=$page_ready keys="ctrl+Home Tab $turn" ;;
  firefox)
    export GNOME_ACCESSIBILITY=1 MOZ_ENABLE_WAYLAND=0
    cat >"$profile/user.js" <<'PREFS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("trailhead.firstrun.didSeeAboutWelcome", true);
user_pref("intl.accept_languages", "zh-CN");
user_pref("browser.startup.page", 0);
user_pref("browser.startup.homepage", "about:blank");
user_pref("browser.newtabpage.enabled", false);
PREFS
    set -- firefox-esr --profile "$profile" --no-remote --new-instance "$target"
    ready=$page_ready keys="ctrl+Home Tab $turn" ;;
  *) echo "usage: $0 window|chromium|firefox GAME|SITE OUTDIR" >&2; exit 2 ;;
esac

"$here/orca_session.sh" "$out/$face.speech" Lorvane "$ready" "$keys" -- "$@"
/usr/bin/python3 "$here/orca_hears.py" "$out/$face.speech"
