#!/usr/bin/env bash
# The real window under a virtual X server: it starts, a screenshot shows the
# initial position on the green background, and Escape ends the program.
#   smoke.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"

app=$2 keep=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

"$app" 2>app.err &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tanukiban$' | head -1) ||
    fail "no window titled Tanukiban"
sleep 1
import -window root shot.png
[[ -n "$keep" ]] && cp shot.png "$keep"

# Without a window manager the window sits at 0,0 without a frame; the
# drawing area begins below the menu bar, where the green starts.
top=$(convert shot.png -crop 1x120+3+0 +repage txt:- | awk -F'[,:]' '/#008000/ {print $2; exit}')
[[ -n "$top" && "$top" -gt 0 ]] || fail "no green drawing area below the menu bar"

# Logical pixel of a cell position (board units, fractions allowed).
px() { awk -v c="$1" 'BEGIN { printf "%d", (2200 + 600 * c) / 15 + 0.5 }'; }
py() { awk -v c="$1" -v t="$top" 'BEGIN { printf "%d", (520 + 615 * c) / 15 + 0.5 + t }'; }

# Share of dark (lettering) pixels in the middle of cell (x, y).
ink() {
    local x y
    x=$(($(px "$1") + 8)) y=$(($(py "$2") + 8))
    convert shot.png -crop 24x25+$x+$y +repage -colorspace Gray -threshold 35% \
        -format '%[fx:1-mean]' info:
}
# Share of white pixels in a 20 × 20 box from a cell position.
white() {
    convert shot.png -crop 20x20+$(px "$1")+$(py "$2") +repage -colorspace Gray -threshold 96% \
        -format '%[fx:mean]' info:
}
colour() { convert shot.png -format "%[hex:p{$(($(px "$1") + 20)),$(($(py "$2") + 20))}]" info:; }

for x in 1 2 3 4 5; do
    for y in 1 5; do
        awk -v v="$(ink $x $y)" 'BEGIN { exit !(v > 0.03) }' || fail "no piece on $x,$y"
    done
    for y in 2 3 4; do
        awk -v v="$(ink $x $y)" 'BEGIN { exit !(v < 0.005) }' || fail "square $x,$y is not empty"
    done
done
for label in "7.2 1.3" "9.2 1.3" "-0.7 5.3" "-2.7 5.3"; do
    # shellcheck disable=SC2086
    awk -v v="$(white $label)" 'BEGIN { exit !(v > 0.02) }' || fail "no stand label at $label"
done
for cell in "-3 6" "14 6" "13 5"; do
    # shellcheck disable=SC2086
    [[ "$(colour $cell)" == 008000* ]] || fail "background at $cell is not green"
done
# shellcheck disable=SC2046
[[ "$(colour 11 -0.5)" != 008000* ]] || fail "no title picture"

xdotool windowfocus --sync "$wid"
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    fail "Escape did not end the program"
fi
wait "$pid" || fail "the program ended with status $?"
echo "window smoke test passed (menu bar ${top} px)"
