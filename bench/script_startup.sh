#!/bin/sh
# Start-up of the script mode: from starting the program to the first painted
# cube (the script's first line runs at the loop's first yield, right after
# the cube is drawn; `quit` ends the program there). The median of 21 runs.
#   bench/script_startup.sh BUILD_DIR
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
game="$(cd "$1" && pwd)/src/ui/qt/vexelcube"
folder=$(mktemp -d "${TMPDIR:-/tmp}/vexel-startup.XXXXXX")
trap 'rm -rf "$folder"' EXIT INT TERM
cd "$folder"
echo quit >quit.txt
for size in 3 20; do
    printf ' 10  9  12  13  14  15  %s  3  0  0 \r\n' "$size" >vexelcz.settings
    times=""
    for _ in $(seq 21); do
        start=$(date +%s%N)
        QT_QPA_PLATFORM=offscreen "$game" --script quit.txt 2>/dev/null
        end=$(date +%s%N)
        times="$times $(( (end - start) / 1000 ))"
    done
    median=$(echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n | sed -n 11p)
    echo "script mode, N = $size: first painted cube after $(( median / 1000 )).$(( median % 1000 / 100 )) ms (median of 21 runs, process start to exit)"
done
