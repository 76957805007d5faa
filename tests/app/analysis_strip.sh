#!/usr/bin/env bash
# 検討 under a virtual X server: chosen from the 局面 menu, the window grows
# by the strip, which shows the analysis of the shown position within a
# second, with the best move framed on the board; chosen again, the window
# gives the room back. Then, with a record read and 検討 on, 20 presses of
# 進 within two seconds: the strip shows the 20th ply's analysis soon after,
# and nothing of an earlier ply once it has.
#   analysis_strip.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"
here=$(dirname "$(realpath "$0")")
# The strip's changes, as the program logs them: milliseconds, ply, text.
export TANUKIBAN_STRIP_LOG=$PWD/strip.log
# What the last ply's analysis may take to show, measured from the last
# press; the requirement is 300 ms, the margin is for a loaded machine.
bound=${STRIP_BOUND_MS:-600}

start_window
find_top
height() { xdotool getwindowgeometry "$wid" | awk -F'[x ]' '/Geometry/ {print $NF}'; }
toggle_analysis() {
    xdotool mousemove 60 $((top / 2)) click 1
    sleep 0.5
    xdotool key Down Down Down Down Down Down Return
}
natural=$(height)

toggle_analysis
sleep 1
import -window root shot.png
grown=$(height)
((grown > natural + 10)) || fail "the window did not grow by the strip ($natural → $grown)"
# Dark text on the strip's light ground, left of the middle.
ink=$(convert shot.png -crop "360x18+4+$((top + 404))" +repage -colorspace Gray -threshold 40% \
    -format '%[fx:1-mean]' info:)
awk -v i="$ink" 'BEGIN { exit !(i > 0.02) }' || fail "the strip is empty (ink $ink)"
cyan=$(convert shot.png -crop "740x400+0+$top" +repage -fill black +opaque '#00FFFF' \
    -fill white -opaque '#00FFFF' -format '%[fx:mean*w*h]' info:)
awk -v c="$cyan" 'BEGIN { exit !(c > 40) }' || fail "no best move framed ($cyan cyan pixels)"
[[ -n "$keep" ]] && cp shot.png "$keep"

toggle_analysis
sleep 0.5
back=$(height)
((back == natural)) || fail "the window kept the strip's room ($natural → $back)"

# A record of 39 plies from the record panel (棋譜 → 読込, the file list).
cp "$here/../fuzz/seeds/record_fuzz/man-first" ./game.棋譜
xdotool mousemove 200 $((top / 2)) click 1
sleep 0.5
xdotool key Down Return
sleep 1
xdotool mousemove 40 $((top + 159)) click 1
timeout 10 xdotool search --sync --onlyvisible --name '^棋譜$' >/dev/null ||
    fail "the record was not read"
# 読み込みました, then how to step through it: each box answered as it comes.
for _ in $(seq 30); do
    box=$(xdotool search --onlyvisible --name '^棋譜$' | head -1) || break
    xdotool windowfocus --sync "$box" key Return
    sleep 0.3
done
toggle_analysis
sleep 1
: >strip.log
first=$(date +%s%3N)
xdotool mousemove 117 $((top / 2)) click --repeat 20 --delay 80 1
last=$(($(date +%s%3N) - 80))  # xdotool waits its delay after the last click too
((last - first < 2000)) || fail "the 20 presses took $((last - first)) ms"
sleep 2
import -window root shot.png
# The first time the strip shows ply 20, and any line of another ply after it.
read -r shown others final < <(awk -v last="$last" '
    $2 == 20 && NF > 2 && !shown { shown = $1 }
    shown && $2 != 20 && NF > 2 { others++ }
    NF > 2 { final = $2 }
    END { print (shown ? shown - last : "none"), others + 0, final + 0 }' strip.log)
[[ "$shown" != none ]] || fail "the strip never showed ply 20's analysis"
((others == 0)) || fail "$others analyses of other plies shown after ply 20's"
((final == 20)) || fail "the strip ends on ply $final"
((shown <= bound)) || fail "ply 20's analysis came $shown ms after the last press (bound $bound)"
kill "$pid"
echo "analysis strip: grew $natural → $grown, ink $ink, $cyan framed pixels;" \
    "20 presses in $((last - first)) ms, ply 20's analysis $shown ms after the last"
