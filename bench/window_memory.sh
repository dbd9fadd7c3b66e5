#!/bin/sh
# Resident memory of the window through a grow and a shrink: fresh at its
# first size, with the client area grown to SIDE x SIDE, and back at the first
# size, sampled every 3 seconds until it stops changing.
#   bench/window_memory.sh BUILD_DIR [SIDE]        (SIDE: 16384)
# Runs under its own Xvfb (xvfb-run -a, 1024x768) with no window manager, so
# that xdotool can make the window larger than the screen. Needs about 3 GB of
# memory free at SIDE 16384.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [SIDE]" >&2
    exit 2
fi
if [ -z "${VEXEL_MEMORY_DISPLAY:-}" ]; then
    export VEXEL_MEMORY_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
build=$(cd "$1" && pwd)
side=${2:-16384}
folder=$(mktemp -d "${TMPDIR:-/tmp}/vexel-memory.XXXXXX")
(cd "$folder" && exec "$build/src/ui/qt/vexelcube" 2>/dev/null) &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$folder"' EXIT INT TERM
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
sleep 2

resident() { awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status"; }
geometry() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
# Waits until two samples 3 s apart agree, and prints the last.
settled() {
    last=-1
    now=$(resident)
    while [ "$now" != "$last" ]; do
        sleep 3
        last=$now
        now=$(resident)
    done
    echo "$now"
}

first=$(geometry)
echo "fresh at $first: $(settled) MB resident"
xdotool windowsize "$window" "$side" "$side"
echo "grown to $(geometry): $(settled) MB resident"
xdotool windowsize "$window" "${first%x*}" "${first#*x}"
echo "back at $(geometry): $(settled) MB resident"
echo "peak: $(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$pid/status") MB"
