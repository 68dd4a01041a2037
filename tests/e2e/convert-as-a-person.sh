#!/usr/bin/env bash
# Drives the real window as a person would, on a display of its own: finds the window by its
# title, clicks Convert, types the old file's path into "Select a Morvo file", presses Enter,
# waits for the "Information" dialog, clicks its OK button, compares the new Morvo54.ini with the
# expected bytes, clicks Quit and checks that the program ends with exit status 0. Pictures of the
# window and the dialog are left in the screenshot folder for a person to look at.
#
# Usage: convert-as-a-person.sh PROGRAM OLD_FILE EXPECTED_NEW_FILE SCREENSHOT_FOLDER
set -euo pipefail

program=$1 old_file=$2 expected=$3 shots=$4
title="Morvo51 / 52 / 53 to Morvo54 Ini Converter"
wait_seconds=20

work=$(mktemp -d)
xvfb_pid="" program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }

# A display of our own on the first free number, so the test runs beside a desktop or in CI.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

# Finds a window by its exact title, waiting for it to appear.
find_window() {
    timeout "$wait_seconds" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 ||
        fail "no window titled \"$1\""
}
# The picture of what the screen shows in the window's place (dialogs over it included).
screenshot() {
    xwd -id "$1" -screen -silent | xwdtopnm 2>/dev/null | pnmtopng >"$shots/$2"
}
# Clicks at (x, y) inside the window.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

mkdir -p "$shots" "$work/Games/Morvo53"
cp "$old_file" "$work/Games/Morvo53/Morvo53.ini"

"$program" >"$work/program.log" 2>&1 &
program_pid=$!

window=$(find_window "$title")
screenshot "$window" window.png
# Convert stands 28 pixels into the 41-pixel strip under the memo, which ends at 273.
click "$window" $((28 + 97 / 2)) $((273 + 9 + 24 / 2))

dialog=$(find_window "Select a Morvo file")
xdotool windowfocus --sync "$dialog"
screenshot "$dialog" file-dialog.png
xdotool type --delay 5 "$work/Games/Morvo53/Morvo53.ini"
xdotool key Return

information=$(find_window "Information")
screenshot "$window" window-with-message.png
screenshot "$information" message.png
eval "$(xdotool getwindowgeometry --shell "$information")"
# The OK button is centred at the foot of the dialog, a text line (13 pixels) above its edge.
click "$information" $((WIDTH / 2)) $((HEIGHT - 13 - 24 / 2))
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^Information\$" >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name "^Information\$" >/dev/null && fail "the OK button did not close the dialog"

cmp "$work/Games/Morvo53/Morvo54.ini" "$expected" || fail "Morvo54.ini differs from $expected"
screenshot "$window" window-converted.png

# Quit keeps 30 pixels from the window's right edge.
eval "$(xdotool getwindowgeometry --shell "$window")"
click "$window" $((WIDTH - 30 - 97 / 2)) $((HEIGHT - 41 + 9 + 24 / 2))
status=0
timeout "$wait_seconds" tail --pid="$program_pid" -f /dev/null || fail "Quit did not end the program"
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with exit status $status"
echo "Converted, confirmed and quit; screenshots in $shots"
