#!/usr/bin/env bash
# Start-up and memory of the converter's window against the plainest Qt Widgets window program
# (bench/reference/minimal-qt-window.cpp), on one display of their own, in the same run. Start-up
# is the time from starting the process until its window is on the screen; the memory is the peak
# resident size once the window shows. Each program runs $runs times, turn about; medians count.
#
# The yardstick window shows one line of text, as every window with words on it must load the
# font system to do; the empty window, which never loads a font, is measured too and shown for
# comparison. Targets: start-up at most 1.5 times the yardstick's, peak memory at most 1.3 times.
# Usage: bench/gui_startup.sh BUILD_FOLDER
set -euo pipefail

build=${1:-build-bench}
converter=$(realpath "$build/morvo54-converter")
minimal=$(realpath "$build/bench/minimal-qt-window")
runs=11
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

# -noreset: the server stays as it is between one program's end and the next one's start.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# Starts the program (title first, then the command line), waits for its window and prints
# "microseconds-to-window peak-KiB".
measure() {
  local title=$1 start shown pid peak
  shift
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window showed" >&2; return 1; }
  done
  shown=$(date +%s%N)
  sleep 0.3 # let it settle: the peak is that of a window on view
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(( (shown - start) / 1000 )) $peak"
}

converter() { measure "Morvo51 / 52 / 53 to Morvo54 Ini Converter" "$converter"; }
yardstick() { measure "Minimal Qt window" "$minimal" "Morvo54"; }
empty() { measure "Minimal Qt window" "$minimal"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

yardstick >/dev/null # warm the caches for all alike
for _ in $(seq "$runs"); do
  for contender in converter yardstick empty; do
    "$contender" >>"$work/$contender"
  done
done

figures() { # name: median microseconds and median KiB
  echo "$(cut -d' ' -f1 "$work/$1" | median) $(cut -d' ' -f2 "$work/$1" | median)"
}
read -r cu ck <<<"$(figures converter)"
read -r yu yk <<<"$(figures yardstick)"
read -r eu ek <<<"$(figures empty)"

awk -v cu="$cu" -v ck="$ck" -v yu="$yu" -v yk="$yk" -v eu="$eu" -v ek="$ek" -v runs="$runs" 'BEGIN {
  printf "Start-up until the window shows, and peak memory (medians of %d runs):\n", runs
  printf "  minimal Qt window, one line of text  %6.1f ms  %6.1f MiB\n", yu / 1000, yk / 1024
  printf "  minimal Qt window, empty             %6.1f ms  %6.1f MiB\n", eu / 1000, ek / 1024
  printf "  morvo54-converter                    %6.1f ms  %6.1f MiB\n", cu / 1000, ck / 1024
  printf "  converter / one line of text         %6.2f x    %5.2f x   (targets 1.5 and 1.3)\n", cu / yu, ck / yk
  printf "  converter / empty                    %6.2f x    %5.2f x\n", cu / eu, ck / ek
  missed = ""
  if (cu > 1.5 * yu) missed = missed " start-up-over-1.5x"
  if (ck > 1.3 * yk) missed = missed " memory-over-1.3x"
  print (missed == "" ? "  all targets met" : "  MISSED:" missed)
  exit (missed == "" ? 0 : 1)
}'
