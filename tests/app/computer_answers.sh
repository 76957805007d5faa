#!/usr/bin/env bash
# A game against the computer in the real window under a virtual X server:
# 対局 → 対局(COM) → 先手 by mouse, one move by two clicks, and a screenshot
# shows that the computer has answered.
#   computer_answers.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"


start_window
import -window root shot.png

# Without a window manager the window sits at 0,0 without a frame; the
# drawing area begins below the menu bar, where the green starts.
top=$(convert shot.png -crop 1x120+3+0 +repage txt:- | awk -F'[,:]' '/#008000/ {print $2; exit}')
[[ -n "$top" && "$top" -gt 0 ]] || fail "no green drawing area below the menu bar"
half=$((top / 2))

# Pixel of a cell position (board units, fractions allowed).
px() { awk -v c="$1" 'BEGIN { printf "%d", (2200 + 600 * c) / 15 + 0.5 }'; }
py() { awk -v c="$1" -v t="$top" 'BEGIN { printf "%d", (520 + 615 * c) / 15 + 0.5 + t }'; }
# The middle of cell (x, y).
click_cell() { xdotool mousemove "$(($(px "$1") + 20))" "$(($(py "$2") + 20))" click 1; }
# Share of white pixels where the computer's last move is written.
move_text() {
    convert shot.png -crop 70x22+$(px -1.7)+$(py 6.3) +repage -colorspace Gray -threshold 90% \
        -format '%[fx:mean]' info:
}
# The upper player's two rows of the board, as a checksum of the picture.
upper_rows() {
    convert shot.png -crop 200x82+$(px 1)+$(py 1) +repage -depth 8 rgb:- | md5sum
}

before=$(upper_rows)
awk -v v="$(move_text)" 'BEGIN { exit !(v < 0.005) }' || fail "a move text before any move"

# The menu by mouse: 対局 on the menu bar, then 対局(COM), then 先手 in its submenu.
xdotool mousemove 22 "$half" click 1
sleep 0.7
import -window root menu.png
# The open menu's items lie one below the other; 対局(COM) is the second.
xdotool mousemove 60 $((top + 32))
sleep 0.7
xdotool mousemove 190 $((top + 32))
sleep 0.3
xdotool click 1
sleep 1
xdotool key Return  # "MANの番です"
sleep 0.5

# The lower pawn one square forward: two clicks.
click_cell 5 5
sleep 0.3
click_cell 5 4

# The turn is over when the board and the texts beside it stop changing
# (the clocks below them tick on): the computer's pieces have moved and its
# move is written where its "思考中" caption was.
board_and_texts() {
    convert shot.png -crop $(($(px 12) - $(px -3)))x$(($(py 6.9) - $(py 0)))+$(px -3)+$(py 0) +repage \
        -depth 8 rgb:- | md5sum
}
answered=no last=
for _ in $(seq 40); do
    sleep 0.5
    import -window root shot.png
    now=$(board_and_texts)
    if [[ "$now" == "$last" && "$(upper_rows)" != "$before" ]] &&
        awk -v v="$(move_text)" 'BEGIN { exit !(v > 0.02) }'; then
        answered=yes
        break
    fi
    last=$now
done
[[ -n "$keep" ]] && cp shot.png "$keep"
[[ $answered == yes ]] || fail "the computer has not answered (no move text, or its pieces did not move)"

# The lower pawn has left its square and stands a row up, turned into a rook.
ink() {
    convert shot.png -crop 24x25+$(($(px "$1") + 8))+$(($(py "$2") + 8)) +repage -colorspace Gray \
        -threshold 35% -format '%[fx:1-mean]' info:
}
awk -v v="$(ink 5 5)" 'BEGIN { exit !(v < 0.005) }' || fail "the pawn did not leave its square"
awk -v v="$(ink 5 4)" 'BEGIN { exit !(v > 0.03) }' || fail "no piece where the pawn went"

xdotool key Return  # in case the computer announced something
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    fail "Escape did not end the program"
fi
wait "$pid" || fail "the program ended with status $?"
echo "the computer answered in the real window"
