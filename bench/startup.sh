#!/bin/bash
# Start to shown window, as a whole process under Xvfb: the time from starting filevane
# until its main window is mapped (polled with xwininfo, so a few ms coarse).
# Usage: bench/startup.sh [build dir] (default: build). Needs xvfb and x11-utils.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-7}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Milliseconds from start until a window whose name matches $1 is mapped.
shown_after() {
    local name=$1; shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until xwininfo -root -tree 2>/dev/null | grep -q "$name"; do :; done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

app=$(for _ in $(seq "$runs"); do shown_after '"Filevane' "$build/filevane"; done | median)
echo "filevane start to shown window, median of $runs: $app ms"
