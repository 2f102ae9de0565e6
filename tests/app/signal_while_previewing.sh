#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run, 1024 x 768): loads the sample,
# creates the document and, while the preview shows, sends the program the
# signal given (TERM or HUP), as a desktop does at logout.
# Usage: signal_while_previewing.sh <parvolin binary> <output folder> <signal>
# Writes: exit-status, events.log.
set -u
. "$(cd "$(dirname "$0")" && pwd)/desktopsteps.sh"
start_program "$1" "$2"
form1=$(wait_for_width 536) || exit 0
click_in "$form1" 400 55            # Load Sample/Example Data
create_document "$form1" "create" generated.doc
note "preview shown"
kill -"$3" "$pid"
record_exit "the signal"
