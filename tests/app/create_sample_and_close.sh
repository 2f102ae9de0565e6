#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run, 1024 x 768): starts the program,
# loads the sample, creates the document and closes the preview, which ends
# the program.
# Usage: create_sample_and_close.sh <parvolin binary> <output folder>
# Writes: generated.doc (the document as created), exit-status, events.log
# (one line per step, and every error report seen).
set -u
. "$(cd "$(dirname "$0")" && pwd)/desktopsteps.sh"
start_program "$1" "$2"

form1=$(wait_for_width 536) || exit 0
click_in "$form1" 400 55            # Load Sample/Example Data
note "sample loaded"
create_document "$form1" "create" generated.doc
note "preview shown"
close_and_record_exit "$form2"
exit 0
