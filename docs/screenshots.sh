#!/bin/sh
# Takes the README's screenshots of the real window, maximised on a 1366x768
# screen under Xvfb with openbox, driven with xdotool as a player would:
#   docs/screenshots.sh BUILD_DIR [OUT_DIR]     (OUT_DIR: docs/)
# Needs xvfb, openbox and xdotool (make deps installs them); optipng, when
# installed, makes the pictures smaller still.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [OUT_DIR]" >&2
    exit 2
fi
if [ -z "${VEXEL_SCREENSHOT_DISPLAY:-}" ]; then
    export VEXEL_SCREENSHOT_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi
build=$(cd "$1" && pwd)
out=$(cd "${2:-$(dirname "$0")}" && pwd)
game="$build/src/ui/qt/vexelcube"
grab="$build/bench/grab_screen"
folder=$(mktemp -d "${TMPDIR:-/tmp}/vexel-shots.XXXXXX")
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; rm -rf "$folder"' EXIT INT TERM
sleep 1

# Settings: the face colours, size $1, $2 scramble turns, no pacing, draw-mode off.
settings() { printf ' 10  9  12  13  14  15  %s  %s  0  0 \r\n' "$1" "$2" >"$folder/vexelcz.settings"; }

# Starts the game and waits for its window; its id is left in $window.
start() {
    (cd "$folder" && exec "$game" 2>/dev/null) &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 1
}
# Opens the Options menu and walks down to an item: `options N [RIGHT M]`
# chooses the N-th item, or the M-th item of the N-th item's submenu.
options() {
    xdotool mousemove 33 27 click 1
    sleep 0.3
    xdotool key --delay 60 --repeat "$1" Down
    if [ $# -gt 1 ]; then
        xdotool key Right
        [ "$2" -gt 1 ] && xdotool key --delay 60 --repeat $(($2 - 1)) Down
    fi
    xdotool key Return
    sleep 0.5
}
shoot() {
    "$grab" "$out/$1.png"
    command -v optipng >/dev/null 2>&1 && optipng -quiet -o2 "$out/$1.png" || true
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

settings 3 20
start
shoot practice

settings 4 8
start
xdotool key --delay 40 --repeat 40 b
sleep 1
shoot solved

settings 3 12
start
options 6 4   # Solving options > Gamemode
shoot game-mode

settings 3 12
start
options 8     # Choose colors
shoot colours

ls -l "$out"/practice.png "$out"/solved.png "$out"/game-mode.png "$out"/colours.png
