#!/usr/bin/env bash
# Runs inside an X server of its own (xvfb-run), with PARVOLIN_ENGINE chosen
# by the caller: starts the program, waits for its window and then for the
# private office that starts once the window has shown, notes how many there
# are, and kills the program with SIGKILL.
# Usage: office_then_kill.sh <parvolin binary> <output folder>
set -u
. "$(cd "$(dirname "$0")" && pwd)/desktopsteps.sh"
start_program "$1" "$2"
wait_for_width 536 > /dev/null || exit 0
offices() { pgrep -f "UserInstallation=file://$TEMP/parvolin-libreoffice-" | wc -l; }
for _ in $(seq 1 300); do
  [ "$(offices)" -gt 0 ] && break
  sleep 0.1
done
# Past the restart LibreOffice makes on a fresh profile.
sleep 3
offices > "$out/offices"
kill -9 "$pid"
wait "$pid" 2>/dev/null
exit 0
