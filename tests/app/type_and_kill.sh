#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run): starts the program, clicks
# into "Your Name", types the text given, and kills the program with SIGKILL
# as soon as it has had the last keystroke.
# Usage: type_and_kill.sh <parvolin binary> <text>
set -u
binary=$1
text=$2
"$binary" &
pid=$!
# The window is centred on the 1024 x 768 screen; wait until it is there.
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Parvolin"' && break
  sleep 0.1
done
sleep 0.5
# "Your Name" lies 116 + 197 / 93 + 121 pixels into the screen (window at its centre).
xdotool mousemove 557 226 click 1
sleep 0.3
xdotool type --delay 30 -- "$text"
# xdotool returns once the X server has the keys; give the program a moment
# to take them from the server, then kill it without any chance to tidy up.
sleep 1
kill -9 "$pid"
wait "$pid" 2>/dev/null
exit 0
