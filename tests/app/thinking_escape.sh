#!/usr/bin/env bash
# The searching computer in the real window under a virtual X server: at
# LEVEL6, chosen by keyboard in the menus, the computer moves first and
# thinks for three seconds; Escape in the middle of that ends the program
# within half a second.
#   thinking_escape.sh PATH/TO/tanukiban
set -eu

source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"


start_window
find_top
let_level6_move_first
chosen=$(date +%s%N)

# 0.3 s of pause, then three seconds of search: Escape within it, the
# program having kept the focus that the menus gave back.
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended before Escape"
(sleep 3 && kill "$pid" 2>/dev/null) &
watchdog=$!
start=$(date +%s%N)
(((start - chosen) / 1000000 < 2500)) || fail "too busy to send Escape before the search ends"
xdotool key --delay 0 Escape
status=0
wait "$pid" || status=$?
elapsed=$((($(date +%s%N) - start) / 1000000))
kill "$watchdog" 2>/dev/null || true
((status == 0)) || fail "the program ended with status $status (killed after 3 s?)"
((elapsed <= 500)) || fail "Escape took $elapsed ms to end the program"
echo "Escape during the search ended the program in $elapsed ms"
