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
