#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run, 1024 x 768): uses the program
# as a person does and leaves what a test needs to check in the folder given.
#   load the sample, clear, undo the clear with Ctrl+Z, load it again, create,
#   choose a page, zoom in twice and out once (a picture of the window at each
#   zoom), zoom in with Ctrl+wheel, scroll down with the wheel (a picture
#   each), export a PDF from the page's menu, save a copy (name without
#   extension), save again over it (Yes), cancel a save, go back, change the
#   name, create again, close the preview.
# Usage: create_save_back.sh <parvolin binary> <output folder>
# Writes: after-sample.conf, after-clear.conf and after-undo.conf (the settings
# file then), zoom-1.00.png, zoom-1.50.png, zoom-1.25.png, ctrlwheel.png,
# wheel.png, resume.pdf, generated1.doc (the first generated document as created),
# generated2.doc, "My Resume" (the saved copy), exit-status, events.log (one
# line per step, and every error report seen).
set -u
. "$(cd "$(dirname "$0")" && pwd)/desktopsteps.sh"
start_program "$1" "$2"

form1=$(wait_for_width 536) || exit 0
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Tarnwick.conf"
click_in "$form1" 400 55            # Load Sample/Example Data
cp "$settings" "$out/after-sample.conf" 2>/dev/null
click_in "$form1" 136 55            # Clear/Reset Data
cp "$settings" "$out/after-clear.conf" 2>/dev/null
xdotool key ctrl+z                  # Undo, offered at the window's foot
sleep 0.6
cp "$settings" "$out/after-undo.conf" 2>/dev/null
note "clear undone"
click_in "$form1" 400 55            # Load Sample/Example Data
note "sample loaded"
create_document "$form1" "first create" generated1.doc
note "preview shown"

click_in "$form2" 40 33             # Page 1 in the list
import -window "$form2" "$out/zoom-1.00.png" 2>/dev/null
click_in "$form2" 172 661           # Zoom In
click_in "$form2" 172 661           # Zoom In
settle
import -window "$form2" "$out/zoom-1.50.png" 2>/dev/null
click_in "$form2" 480 661           # Zoom Out
settle
import -window "$form2" "$out/zoom-1.25.png" 2>/dev/null
eval "$(xdotool getwindowgeometry --shell "$form2")"
xdotool mousemove $((X + 300)) $((Y + 360))
xdotool keydown ctrl click 4 keyup ctrl   # Ctrl+wheel away: zoom in to 1.5
sleep 0.6
settle
import -window "$form2" "$out/ctrlwheel.png" 2>/dev/null
xdotool click 5 click 5             # the wheel towards the user, two notches
sleep 0.6
settle
import -window "$form2" "$out/wheel.png" 2>/dev/null
check_reports "zoom"

xdotool click 3                     # the page's menu
answer Down
xdotool key Down Return             # Export as PDF...
type_text "$out/resume.pdf"
answer Return                       # the file dialog
sleep 1
check_reports "export"
note "exported"
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
create_document "$form1" "second create" generated2.doc
note "created again"

close_and_record_exit "$form2"
exit 0
