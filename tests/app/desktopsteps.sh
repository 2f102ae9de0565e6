# Steps shared by the scripts that drive the real program in an X server of its
# own; sourced, not run. start_program sets $out (the output folder), $log
# (the events file in it) and $pid (the program).

note() { echo "$*" >> "$log"; }

# Starts the program $1 with an empty events file in the output folder $2.
start_program() {
  out=$2
  log="$out/events.log"
  : > "$log"
  "$1" &
  pid=$!
}

# Presses "Start Creating Template" in window $1 and waits for the preview
# ($form2); then copies the generated document to $out/$3. A preview that
# never comes ends the run, with step $2's reports noted.
create_document() {
  click_in "$1" 260 21
  form2=$(wait_for_width 656) || { check_reports "$2"; kill "$pid"; exit 0; }
  check_reports "$2"
  cp "$TEMP"/vandrel*.doc "$out/$3"
}

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
  for _ in $(seq 1 "${PARVOLIN_WAIT_TENTHS:-600}"); do
    w=$(window_of_width "$1")
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  note "timed out waiting for a window $1 wide"
  return 1
}

# Waits for a slow engine to finish drawing what the last step asked for:
# PARVOLIN_SETTLE_SECONDS, none by default.
settle() { sleep "${PARVOLIN_SETTLE_SECONDS:-0}"; }

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

# Closes window $1 as a window manager does, which ends the program; writes its
# exit status to $out/exit-status.
close_and_record_exit() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/closewindow.py" "$1"
  record_exit "the preview closed"
  note "closed"
}

# Waits up to five seconds for the program to end after $1, killing it (and
# noting so) when it does not; writes its exit status to $out/exit-status.
record_exit() {
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    note "still running after $1"
    kill -9 "$pid"
  fi
  wait "$pid"
  echo $? > "$out/exit-status"
}
