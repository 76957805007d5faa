#!/usr/bin/env bash
# The window made larger under a virtual X server: at 1480 × 866 the picture
# is drawn at twice its size, a press at a square's doubled place selects
# that square, the size is kept after a restart, and Ctrl+0 brings the
# natural size back.
#   window_scale.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

export XVFB_SCREEN=1600x1000x24
source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"

stop() {
    xdotool windowfocus --sync "$wid"
    xdotool key Escape
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "Escape did not end the program"
    wait "$pid" || fail "the program ended with status $?"
}
size() { xdotool getwindowgeometry "$wid" | awk '/Geometry/ {print $2}'; }
shot() { import -window root shot.png; }

start_window
shot
# The drawing area begins below the menu bar, where the green starts.
top=$(convert shot.png -crop 1x120+3+0 +repage txt:- | awk -F'[,:]' '/#008000/ {print $2; exit}')
[[ -n "$top" && "$top" -gt 0 ]] || fail "no green drawing area below the menu bar"
natural="740x$((top + 400))"
[[ "$(size)" == "$natural" ]] || fail "the window starts at $(size), not $natural"

# At 1480 × 866 the picture, 1480 × 800, is centred in the area below the menu bar.
xdotool windowsize --sync "$wid" 1480 866
sleep 1
shot
down=$((top + (866 - top - 800) / 2))
px() { awk -v c="$1" 'BEGIN { printf "%d", 2 * (2200 + 600 * c) / 15 + 0.5 }'; }
py() { awk -v c="$1" -v d="$down" 'BEGIN { printf "%d", 2 * (520 + 615 * c) / 15 + 0.5 + d }'; }
ink() {
    convert shot.png -crop 48x50+$(($(px "$1") + 16))+$(($(py "$2") + 16)) +repage \
        -colorspace Gray -threshold 35% -format '%[fx:1-mean]' info:
}
doubled() {
    for x in 1 3 5; do
        awk -v v="$(ink $x 1)" 'BEGIN { exit !(v > 0.03) }' || fail "no piece on $x,1 at 2x"
        awk -v v="$(ink $x 5)" 'BEGIN { exit !(v > 0.03) }' || fail "no piece on $x,5 at 2x"
        awk -v v="$(ink $x 3)" 'BEGIN { exit !(v < 0.005) }' || fail "square $x,3 is not empty at 2x"
    done
}
doubled
[[ -n "$keep" ]] && cp shot.png "$keep"

# 対局 → 対局(人間) → スタート by mouse; the menu bar keeps its size.
xdotool mousemove 22 $((top / 2)) click 1
sleep 1
xdotool mousemove 60 $((top + 10))
sleep 1
xdotool mousemove 190 $((top + 10))
sleep 0.5
xdotool click 1
sleep 1
xdotool key Return # "先手の番です"
sleep 0.5
# The lower pawn's square, pressed at its doubled place, gets the red frame;
# its neighbour does not.
xdotool mousemove $(($(px 5) + 40)) $(($(py 5) + 41)) click 1
sleep 1
shot
red() { convert shot.png -format "%[hex:p{$1,$2}]" info:; }
[[ "$(red $(($(px 5) + 40)) "$(py 5)")" == FF0000* ]] || fail "the pressed square is not framed"
[[ "$(red $(($(px 4) + 40)) "$(py 5)")" != FF0000* ]] || fail "the square beside it is framed"
stop

start_window
[[ "$(size)" == 1480x866 ]] || fail "the size was not kept: $(size)"
shot
doubled
xdotool windowfocus --sync "$wid"
xdotool key ctrl+0
sleep 1
[[ "$(size)" == "$natural" ]] || fail "Ctrl+0 gave $(size), not $natural"
stop
echo "the window scales, keeps its size and returns to its natural size"
