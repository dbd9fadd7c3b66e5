#!/bin/sh
# Measures the window: time from start to the first painted cube, CPU use of
# an idle window over 10 seconds, and resident memory, for a 3 x 3 x 3 and a
# 20 x 20 x 20 cube.
#   bench/window_startup.sh BUILD_DIR [SECONDS]
# Needs a display; without one it runs itself under Xvfb (xvfb-run -a).
# A picture of each window is left in BUILD_DIR/bench-window-N.png.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build=$(cd "$1" && pwd)
seconds=${2:-10}
game="$build/src/ui/qt/vexelcube"
ticks=$(getconf CLK_TCK)

# CPU time of a process so far, in clock ticks (user + system).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now_ms() { date +%s%3N; }

measure() {
    size=$1
    folder=$(mktemp -d "${TMPDIR:-/tmp}/vexel-bench.XXXXXX")
    # Face colours, size, no scramble, no pacing, draw-mode off.
    printf ' 10  9  12  13  14  15  %s  3  0  0 \r\n' "$size" >"$folder/vexelcz.settings"
    start=$(now_ms)
    (cd "$folder" && VEXELCUBE_FIRST_PAINT=1 VEXELCUBE_SNAPSHOT="$build/bench-window-$size.png" \
        exec "$game" 2>"$folder/log") &
    pid=$!
    painted=""
    for _ in $(seq 200); do
        painted=$(sed -n 's/^vexelcube: first paint at \([0-9]*\) ms$/\1/p' "$folder/log")
        [ -n "$painted" ] && break
        sleep 0.05
    done
    if [ -z "$painted" ]; then
        echo "window_startup: no first paint for N = $size" >&2
        cat "$folder/log" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    # Let the start settle, then watch the idle window.
    sleep 1
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$folder"
    awk -v n="$size" -v up=$((painted - start)) -v t="$((after - before))" -v hz="$ticks" -v s="$seconds" \
        -v rss="$rss" -v hwm="$hwm" 'BEGIN {
            printf "N = %2d: first paint after %4d ms, idle CPU %.2f %% of a core over %d s, ", n, up, 100 * t / hz / s, s
            printf "RSS %.1f MB (peak %.1f MB)\n", rss / 1024, hwm / 1024 }'
}

measure 3
measure 20
