#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run, 1024 x 768): uses the program
# as a person does and leaves what a test needs to check in the folder given.
#   load the sample, create, choose a page, zoom, save a copy (name without
#   extension), save again over it (Yes), cancel a save, go back, change the
#   name, create again, close the preview.
# Usage: create_save_back.sh <parvolin binary> <output folder>
# Writes: generated1.doc (the first generated document as created),
# generated2.doc, "My Resume" (the saved copy), exit-status, events.log (one
# line per step, and every error report seen).
set -u
binary=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
log="$out/events.log"
: > "$log"

note() { echo "$*" >> "$log"; }

# The visible top-level window whose width is $1, or nothing.
window_of_width() {
  for w in $(xdotool search --onlyvisible --name '^Parvolin$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" = "$1" ] && { echo "$w"; return; }
  done
}

# A window may take a while when the engine is a word processor of its own:
# PARVOLIN_WAIT_TENTHS sets how long to wait, in tenths of a second.
wait_for_width() {
  for _ in $(seq 1 "${PARVOLIN_WAIT_TENTHS:-150}"); do
    w=$(window_of_width "$1")
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  note "timed out waiting for a window $1 wide"
  return 1
}

# Clicks at (x, y) inside window $1.
click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.6
}

check_reports() {
  if xdotool search --onlyvisible --name '^Application Error$' >/dev/null 2>&1; then
    note "error report seen at: $1"
    xdotool key Return
    sleep 0.3
  fi
}

answer() { # presses a key in whatever dialog has the focus
  sleep 0.8
  xdotool key "$1"
  sleep 0.6
}

type_text() { # types into whatever dialog has the focus
  sleep 0.8
  xdotool type --delay 20 -- "$1"
  sleep 0.3
}

"$binary" &
pid=$!

form1=$(wait_for_width 536) || exit 0
click_in "$form1" 400 55            # Load Sample/Example Data
note "sample loaded"
click_in "$form1" 260 21            # Start Creating Template
form2=$(wait_for_width 656) || { check_reports "create"; kill "$pid"; exit 0; }
check_reports "first create"
cp "$TEMP"/vandrel*.doc "$out/generated1.doc"
note "preview shown"

click_in "$form2" 40 33             # Page 1 in the list
click_in "$form2" 172 661           # Zoom In
click_in "$form2" 172 661           # Zoom In
click_in "$form2" 480 661           # Zoom Out
check_reports "zoom"
import -window root "$out/preview.png" 2>/dev/null

click_in "$form2" 488 707           # Save Results To Word File
type_text "$out/My Resume"
answer Return                       # the file dialog
answer Return                       # Done.
note "saved"
click_in "$form2" 488 707
type_text "$out/My Resume"
answer Return                       # the file dialog
answer Return                       # Yes, overwrite
answer Return                       # Done.
note "saved over"
click_in "$form2" 488 707
answer Escape                       # cancel the dialog
answer Return                       # Done.
note "cancelled"
check_reports "save"

click_in "$form2" 164 707           # < Back
form1=$(wait_for_width 536) || exit 0
note "back"
click_in "$form1" 313 105           # Your Name
xdotool key ctrl+a
xdotool type --delay 20 "Changed Name"
sleep 0.5
click_in "$form1" 260 21            # Start Creating Template
form2=$(wait_for_width 656) || { check_reports "second create"; kill "$pid"; exit 0; }
check_reports "second create"
cp "$TEMP"/vandrel*.doc "$out/generated2.doc"
note "created again"

python3 "$here/closewindow.py" "$form2"
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  note "still running after the preview closed"
  kill -9 "$pid"
fi
wait "$pid"
echo $? > "$out/exit-status"
note "closed"
exit 0
