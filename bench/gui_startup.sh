#!/usr/bin/env bash
# Start-up and memory of the converter's window against the plainest Qt Widgets window program
# (bench/reference/minimal-qt-window.cpp), on one display of their own, in the same run. Start-up
# is the time from starting the process until its window is on the screen; the memory is the peak
# resident size once the window shows. Each program runs $runs times, turn about; medians count.
# Targets: start-up at most 1.5 times the minimal program's, peak memory at most 1.3 times.
# Usage: bench/gui_startup.sh BUILD_FOLDER
set -euo pipefail

build=${1:-build-bench}
converter=$(realpath "$build/morvo54-converter")
minimal=$(realpath "$build/bench/minimal-qt-window")
runs=11
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Starts the program, waits for its window and prints "microseconds-to-window peak-KiB".
measure() {
  local program=$1 title=$2 start shown pid
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$program ended before its window showed" >&2; return 1; }
  done
  shown=$(date +%s%N)
  sleep 0.3 # let it settle: the peak is that of a window on view
  local peak
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(( (shown - start) / 1000 )) $peak"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/converter" ; : >"$work/minimal"
measure "$minimal" "Minimal Qt window" >/dev/null # warm the caches for both alike
for _ in $(seq "$runs"); do
  measure "$converter" "Morvo51 / 52 / 53 to Morvo54 Ini Converter" >>"$work/converter"
  measure "$minimal" "Minimal Qt window" >>"$work/minimal"
done

converter_us=$(cut -d' ' -f1 "$work/converter" | median)
minimal_us=$(cut -d' ' -f1 "$work/minimal" | median)
converter_kib=$(cut -d' ' -f2 "$work/converter" | median)
minimal_kib=$(cut -d' ' -f2 "$work/minimal" | median)

awk -v cu="$converter_us" -v mu="$minimal_us" -v ck="$converter_kib" -v mk="$minimal_kib" 'BEGIN {
  printf "Start-up until the window shows (median of %d):\n", '"$runs"'
  printf "  minimal Qt window     %6.1f ms, peak memory %6.1f MiB\n", mu / 1000, mk / 1024
  printf "  morvo54-converter     %6.1f ms, peak memory %6.1f MiB\n", cu / 1000, ck / 1024
  printf "  ratio                 %6.2f x (target 1.5), memory %.2f x (target 1.3)\n", cu / mu, ck / mk
  missed = ""
  if (cu > 1.5 * mu) missed = missed " start-up-over-1.5x"
  if (ck > 1.3 * mk) missed = missed " memory-over-1.3x"
  print (missed == "" ? "  all targets met" : "  MISSED:" missed)
  exit (missed == "" ? 0 : 1)
}'
