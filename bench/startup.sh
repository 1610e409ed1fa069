#!/bin/bash
# Start to shown window, as a whole process under Xvfb: the time from starting filevane
# until its main window is mapped (polled with xwininfo, so a few ms coarse). Then the
# startup-load group of filevane_bench on the same display: `filevane DIR` from process
# start to its 32767 lines painted, against an empty Qt window's start plus a raw walk.
# Usage: bench/startup.sh [build dir] (default: build). Needs xvfb and x11-utils, and
# `cmake --build build --target filevane_bench`.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-7}
command -v Xvfb >/dev/null || { echo "needs Xvfb (package xvfb)" >&2; exit 1; }
# A display number no other X server holds (others run their own on this machine).
display=
for n in $(shuf -i 90-189); do
    [[ -e /tmp/.X$n-lock ]] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start on $display" >&2; exit 1; }

# True when a top-level window of class "$1" is mapped and viewable.
viewable() {
    local tree id
    tree=$(xwininfo -root -tree 2>/dev/null) || return 1
    for id in $(awk -v class="$1" 'index($0, class) {print $1}' <<<"$tree"); do
        [[ $(xwininfo -id "$id" 2>/dev/null) == *IsViewable* ]] && return 0
    done
    return 1
}

# Milliseconds from starting the program until its window is viewable.
shown_after() {
    local class=$1; shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until viewable "$class"; do
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

app=$(for _ in $(seq "$runs"); do shown_after '("filevane" "Filevane")' "$build/filevane"; done | median)
echo "filevane start to shown window, median of $runs: $app ms"

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=offscreen "$build/filevane_bench" startup-load
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
