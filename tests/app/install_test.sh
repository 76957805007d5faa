#!/usr/bin/env bash
# The install tree works on its own: installed into a fresh prefix, the
# program starts from an empty folder, finds its sound library through the
# run path, writes nothing to standard output, and ends on Escape.
#   install_test.sh BUILD_DIR
set -eu

if [[ "${1:-}" != --inside ]]; then
    script=$(realpath "$0")
    build=$(realpath "$1")
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"
    for f in bin/tanukiban bin/tanukiban-usi lib/tanukiban/libtanukiban_sound.so \
             share/tanukiban/opening.book \
             share/applications/tanukiban.desktop \
             share/icons/hicolor/128x128/apps/tanukiban.png; do
        [[ -f "$work/prefix/$f" ]] || { echo "FAIL: $f not installed" >&2; exit 1; }
    done
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/empty"
    export XDG_CONFIG_HOME="$work/config"
    export SDL_AUDIODRIVER=dummy
    unset QT_QPA_PLATFORM LD_LIBRARY_PATH
    cd "$work/empty"
    xvfb-run -a -s "-screen 0 1024x768x24" "$BASH" "$script" --inside "$work/prefix/bin/tanukiban"
    exit
fi

app=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
"$app" > out.txt 2> err.txt &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tanukiban$' | head -1) ||
    fail "the installed program opened no window: $(cat err.txt)"
xdotool windowfocus --sync "$wid"
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "Escape did not end the program"; }
wait "$pid" || fail "the program exited with $?"
[[ ! -s out.txt ]] || fail "wrote to standard output: $(head -3 out.txt)"
[[ -f Tanukiban.ini ]] || fail "no settings file in the current folder"
echo "installed program ran from an empty folder"
