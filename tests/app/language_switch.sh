#!/usr/bin/env bash
# The language under a virtual X server: a fresh start is Japanese;
# ｵﾌﾟｼｮﾝ → 言語 (Language) → English changes the menu bar and the texts beside
# the board at once; a restart is still English; 日本語 brings back exactly the
# Japanese window.
#   language_switch.sh PATH/TO/tanukiban [SCREENSHOT.png]
set -eu

source "$(dirname "$(realpath "$0")")/xvfb_session.sh" "$@"

# The window alone, wherever it was put.
shot() { import -window "$wid" shot.png; }
# The menu bar, and the rank labels right of the board.
menubar() { convert shot.png -crop 740x16+0+0 +repage "$1"; }
ranks() { convert shot.png -crop 24x200+388+100 +repage "$1"; }
same() { [[ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" == 0 ]]; }
stop() {
    xdotool windowfocus --sync "$wid"
    xdotool key Escape
    wait "$pid" || fail "the program ended with status $?"
}
# Opens the options menu at x on the bar, its last item, and the choice at y.
choose() {
    xdotool mousemove --window "$wid" "$1" 8 click 1
    sleep 0.7
    xdotool mousemove --window "$wid" "$(($1 + 57))" 205
    sleep 0.8
    xdotool mousemove --window "$wid" "$(($1 + 200))" 205
    sleep 0.3
    xdotool mousemove --window "$wid" "$(($1 + 200))" "$2" click 1
    sleep 1
}

start_window
shot
menubar ja-menu.png
ranks ja-ranks.png
grep -qs 'language=en' "$XDG_CONFIG_HOME/Tanukiban/window.conf" && fail "a fresh start is English"

choose 243 228 # ｵﾌﾟｼｮﾝ → 言語 (Language) → English
shot
menubar en-menu.png
ranks en-ranks.png
same ja-menu.png en-menu.png && fail "the menu bar is still Japanese"
same ja-ranks.png en-ranks.png && fail "the ranks beside the board are still Japanese"
[[ -n "$keep" ]] && cp shot.png "$keep"
stop

start_window
shot
menubar again-menu.png
same en-menu.png again-menu.png || fail "the menu bar is not English after a restart"
choose 357 205 # Options → Language → 日本語
shot
menubar back-menu.png
ranks back-ranks.png
same ja-menu.png back-menu.png || fail "the Japanese menu bar did not come back as it was"
same ja-ranks.png back-ranks.png || fail "the Japanese ranks did not come back as they were"
stop
