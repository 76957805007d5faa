# Sourced by the window tests as `source xvfb_session.sh "$@"`: unless it is
# already inside, it runs the calling script again under a virtual X server,
# in a fresh folder (the settings file goes to the current directory, the
# desktop's settings store to a folder of its own), with silent sound, on a
# screen of XVFB_SCREEN (1024x768x24 unless set), as
# `SCRIPT --inside APP [SCREENSHOT]`, and exits with its status.
if [[ "${1:-}" != --inside ]]; then
    script=$(realpath "$0")
    app=$(realpath "$1")
    keep=${2:+$(realpath -m "$2")}
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_CONFIG_HOME="$work/config"
    export SDL_AUDIODRIVER=dummy
    unset QT_QPA_PLATFORM
    cd "$work"
    xvfb-run -a -s "-screen 0 ${XVFB_SCREEN:-1024x768x24}" "$BASH" "$script" --inside "$app" "$keep"
    exit
fi

# Inside: what every window test does first.
app=$2 keep=${3:-}
fail() {
    echo "FAIL: $*" >&2
    [[ -n "$keep" && -f shot.png ]] && cp shot.png "$keep"
    kill "${pid:-}" 2>/dev/null || true
    exit 1
}
# Starts the program and waits for its window; sets pid and wid.
start_window() {
    "$app" 2>>app.err &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tanukiban$' | head -1) ||
        fail "no window titled Tanukiban"
    sleep 1
}
# The top of the drawing area, where the green starts below the menu bar; sets top.
find_top() {
    import -window root shot.png
    top=$(convert shot.png -crop 1x120+3+0 +repage txt:- | awk -F'[,:]' '/#008000/ {print $2; exit}')
    [[ -n "$top" && "$top" -gt 0 ]] || fail "no green drawing area below the menu bar"
}
# 対局 on the menu bar by mouse, then its items by keyboard.
open_game_menu() {
    xdotool mousemove 22 $((top / 2)) click 1
    sleep 0.5
}
# LEVEL6 (COM対局ﾚﾍﾞﾙ is the third item, LEVEL6 the sixth of its submenu),
# then 対局(COM) → 後手: the computer moves first and thinks three seconds.
let_level6_move_first() {
    open_game_menu
    xdotool key Down Down Down Right
    sleep 0.3
    xdotool key Down Down Down Down Down Return
    sleep 0.5
    open_game_menu
    xdotool key Down Down Right
    sleep 0.3
    xdotool key Down Return
}
