#!/bin/sh
# Measures the window against a bare Qt 6 main window (bench/window/bare_window):
#  - start-up: the median time from starting the process to its first painted
#    frame, of the game and the bare window, runs interleaved, at N = 3 and 20;
#  - at N = 20, after a 99-turn scramble solved by the computer: resident
#    memory, and the CPU an idle window uses.
#   bench/window_startup.sh BUILD_DIR [RUNS] [SECONDS]
# Needs a display; without one it runs itself under Xvfb (xvfb-run -a) at
# 1366x768, with openbox as the window manager when it is installed (so that
# "maximised" means what it means on a desktop). The computer's moves are asked
# for with the `b` key through xdotool.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [RUNS] [SECONDS]" >&2
    exit 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi
build=$(cd "$1" && pwd)
runs=${2:-15}
seconds=${3:-10}
game="$build/src/ui/qt/vexelcube"
bare="$build/bench/bare_window"
ticks=$(getconf CLK_TCK)
folder=$(mktemp -d "${TMPDIR:-/tmp}/vexel-bench.XXXXXX")
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    rm -rf "$folder"
}
trap cleanup EXIT INT TERM
manager="none"
if command -v openbox >/dev/null 2>&1; then
    openbox >/dev/null 2>&1 &
    wm=$!
    manager="openbox"
    sleep 1
fi

now_ms() { date +%s%3N; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Settings: the face colours, size $1, $2 scramble turns, no pacing, draw-mode off.
settings() { printf ' 10  9  12  13  14  15  %s  %s  0  0 \r\n' "$1" "$2" >"$folder/vexelcz.settings"; }

# Starts a program in the folder; leaves its pid in $pid and the time of its
# first paint after the start (ms) in $took.
start() {
    : >"$folder/log"
    begin=$(now_ms)
    (cd "$folder" && VEXELCUBE_FIRST_PAINT=1 exec "$@" 2>"$folder/log") &
    pid=$!
    painted=""
    for _ in $(seq 1000); do
        painted=$(sed -n 's/^.*: first paint at \([0-9]*\) ms$/\1/p' "$folder/log")
        [ -n "$painted" ] && break
        sleep 0.01
    done
    if [ -z "$painted" ]; then
        echo "window_startup: no first paint from $1" >&2
        cat "$folder/log" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    took=$((painted - begin))
}
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
once() {
    start "$@"
    stop
    echo "$took"
}

# The programs measured: the game, the bare window, the bare window with a
# menu bar, and (with BEFORE=PATH) another build of the game to compare with.
names="game bare bare+menu"
[ -n "${BEFORE:-}" ] && names="$names before"
run_named() {
    case $1 in
        game) once "$game" ;;
        bare) once "$bare" ;;
        bare+menu) once "$bare" --menu-bar ;;
        before) once "$BEFORE" ;;
    esac
}
count=$(echo "$names" | wc -w)
echo "window manager: $manager; $runs runs of each program a size, interleaved (each starts a round first in turn)"
for size in 3 20; do
    settings "$size" 3
    for name in $names; do eval "times_$(echo "$name" | tr '+' '_')=''"; done
    for i in $(seq "$runs"); do
        shift_by=$((i % count))
        order=$(echo "$names" | tr ' ' '\n' | awk -v k="$shift_by" '{ v[NR - 1] = $0 } END { for (j = 0; j < NR; j++) print v[(j + k) % NR] }')
        for name in $order; do
            var="times_$(echo "$name" | tr '+' '_')"
            eval "$var=\"\$$var $(run_named "$name")\""
        done
    done
    g=$(echo "$times_game" | median)
    line=$(printf "N = %2d: first paint, median: game %5.1f ms" "$size" "$g")
    for name in $names; do
        [ "$name" = game ] && continue
        m=$(eval "echo \"\$times_$(echo "$name" | tr '+' '_')\"" | median)
        line="$line$(awk -v n="$name" -v m="$m" -v g="$g" 'BEGIN { printf ", %s %5.1f ms (game / %s: %.2f)", n, m, n, g / m }')"
    done
    echo "$line"
done

settings 20 99
start "$game"
if command -v xdotool >/dev/null 2>&1; then
    window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    # A 99-turn scramble takes fewer than 99 computer moves to undo (merged
    # turns), plus the whole-cube turns; extra presses do nothing.
    xdotool key --clearmodifiers --delay 20 --repeat 200 b
    solved="after a 99-turn scramble and a computer solve"
else
    solved="after a 99-turn scramble (no xdotool: not solved)"
fi
sleep 1
before=$(cpu_ticks "$pid")
sleep "$seconds"
after=$(cpu_ticks "$pid")
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
[ -x "$build/bench/grab_screen" ] && "$build/bench/grab_screen" "$build/bench-window-20.png" || true
stop
awk -v t="$((after - before))" -v hz="$ticks" -v s="$seconds" -v rss="$rss" -v hwm="$hwm" -v what="$solved" 'BEGIN {
    printf "N = 20 %s: RSS %.1f MB (peak %.1f MB), idle CPU %.2f %% of a core over %d s\n", what, rss / 1024, hwm / 1024, 100 * t / hz / s, s }'
