#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run, 1024 x 768): uses the program
# as a person does and leaves what a test needs to check in the folder given.
#   load the sample, clear, load it again, create, choose a page, zoom in
#   twice and out once (a picture of the window at each zoom), save a copy (name without
#   extension), save again over it (Yes), cancel a save, go back, change the
#   name, create again, close the preview.
# Usage: create_save_back.sh <parvolin binary> <output folder>
# Writes: after-sample.conf and after-clear.conf (the settings file then),
# zoom-1.00.png, zoom-1.50.png, zoom-1.25.png, generated1.doc (the first generated document as created),
# generated2.doc, "My Resume" (the saved copy), exit-status, events.log (one
# line per step, and every error report seen).
set -u
binary=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
log="$out/events.log"
: > "$log"

. "$here/desktopsteps.sh"

"$binary" &
pid=$!

form1=$(wait_for_width 536) || exit 0
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Tarnwick.conf"
click_in "$form1" 400 55            # Load Sample/Example Data
cp "$settings" "$out/after-sample.conf" 2>/dev/null
click_in "$form1" 136 55            # Clear/Reset Data
cp "$settings" "$out/after-clear.conf" 2>/dev/null
click_in "$form1" 400 55            # Load Sample/Example Data
note "sample loaded"
click_in "$form1" 260 21            # Start Creating Template
form2=$(wait_for_width 656) || { check_reports "create"; kill "$pid"; exit 0; }
check_reports "first create"
cp "$TEMP"/vandrel*.doc "$out/generated1.doc"
note "preview shown"

click_in "$form2" 40 33             # Page 1 in the list
import -window "$form2" "$out/zoom-1.00.png" 2>/dev/null
click_in "$form2" 172 661           # Zoom In
click_in "$form2" 172 661           # Zoom In
import -window "$form2" "$out/zoom-1.50.png" 2>/dev/null
click_in "$form2" 480 661           # Zoom Out
import -window "$form2" "$out/zoom-1.25.png" 2>/dev/null
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

close_and_record_exit "$form2"
exit 0
