#!/usr/bin/env bash
# The window stays alive while the computer thinks, under a virtual X
# server: at LEVEL6 as first mover (three seconds of search), four resizes
# in a row are each painted at the new scale within a quarter of a second,
# and the computer's clock, shown by the settings file, ticks meanwhile.
#   thinking_paints.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

export XVFB_SCREEN=1600x1000x24
source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"

printf '背景画=緑\r\n移動指導=NG\r\n経過時間=OK\r\nBGM=NG\r\n' | iconv -f UTF-8 -t CP932 > Tanukiban.ini

start_window
find_top
let_level6_move_first
sleep 0.4

# The picture's scale and top-left corner in a window of W × H.
layout() {
    awk -v w="$1" -v h="$2" -v t="$top" 'BEGIN {
        s = w / 740; if ((h - t) / 400 < s) s = (h - t) / 400
        printf "%s %d %d", s, (w - 740 * s) / 2, t + (h - t - 400 * s) / 2 }'
}
# Dark ink in the middle of board cell (x, y) at the layout.
ink() {
    read -r s ox oy <<< "$(layout "$1" "$2")"
    local geometry
    geometry=$(awk -v s="$s" -v ox="$ox" -v oy="$oy" -v x="$3" -v y="$4" 'BEGIN {
        printf "%dx%d+%d+%d", 24 * s, 25 * s, ox + (2200 + 600 * x) / 15 * s + 8 * s,
               oy + (520 + 615 * y) / 15 * s + 8 * s }')
    convert shot.png -crop "$geometry" +repage -colorspace Gray -threshold 35% \
        -format '%[fx:1-mean]' info:
}
# The shots are taken while the computer thinks and looked at afterwards:
# each size as it shows 0.15 s after the resize (the screenshot grabs within
# about 0.1 s of its start), the last one back at the natural size, where
# the computer's clock has moved on since the first look.
natural=740x$((top + 400))
import -window root ppm:clock.ppm
sizes=(1480x866 1110x650 925x541 "$natural")
for size in "${sizes[@]}"; do
    xdotool windowsize "$wid" "${size%x*}" "${size#*x}"
    sleep 0.15
    import -window root "ppm:$size.ppm"
done

read -r s ox oy <<< "$(layout 740 $((top + 400)))"
clock=$(awk -v s="$s" -v ox="$ox" -v oy="$oy" 'BEGIN {
    printf "%dx%d+%d+%d", 110 * s, 24 * s, ox + 1100 / 15 * s, oy + 4900 / 15 * s }')
convert clock.ppm -crop "$clock" +repage first.png
convert "$natural.ppm" -crop "$clock" +repage second.png
[[ -n "$keep" ]] && convert 925x541.ppm "$keep"
# Its move would write over "思考中": the last look came while it thought.
caption=$(awk -v s="$s" -v ox="$ox" -v oy="$oy" 'BEGIN {
    printf "%dx%d+%d+%d", 70 * s, 22 * s, ox + 1200 / 15 * s, oy + 4400 / 15 * s }')
convert clock.ppm -crop "$caption" +repage thinking1.png
convert "$natural.ppm" -crop "$caption" +repage thinking2.png
same=$(compare -metric AE thinking1.png thinking2.png null: 2>&1 || true)
((same == 0)) || fail "too busy: the computer moved before the last look"
for size in "${sizes[@]}"; do
    w=${size%x*} h=${size#*x}
    convert "$size.ppm" shot.png
    for x in 1 3 5; do
        awk -v v="$(ink "$w" "$h" $x 1)" 'BEGIN { exit !(v > 0.03) }' ||
            fail "at $size no piece on $x,1 right after the resize"
        awk -v v="$(ink "$w" "$h" $x 5)" 'BEGIN { exit !(v > 0.03) }' ||
            fail "at $size no piece on $x,5 right after the resize"
    done
done
changed=$(compare -metric AE first.png second.png null: 2>&1 || true)
((changed > 0)) || fail "the computer's clock did not move while it thought"
xdotool windowfocus --sync "$wid"
xdotool key Escape
wait "$pid" || fail "the program ended with status $?"
