#!/usr/bin/env bash
# 検討 under a virtual X server: chosen from the 局面 menu, the window grows
# by the strip, which shows the analysis of the shown position within a
# second, with the best move framed on the board; chosen again, the window
# gives the room back.
#   analysis_strip.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"

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
kill "$pid"
echo "analysis strip: grew $natural → $grown, ink $ink, $cyan framed pixels"
