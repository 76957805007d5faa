#!/usr/bin/env bash
# With no display to open, the program says so in one line on standard error
# and exits non-zero, writing nothing to standard output.
#   no_display_test.sh PATH/TO/tanukiban
set -u
app=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
for display in unset ":97"; do
    if [[ $display == unset ]]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" > out.txt 2> err.txt
    else
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display "$app" > out.txt 2> err.txt
    fi
    status=$?
    [[ $status -ne 0 ]] || fail "exit status 0 with display $display"
    [[ ! -s out.txt ]] || fail "wrote to standard output"
    [[ $(wc -l < err.txt) -eq 1 ]] || fail "standard error is not one line: $(cat err.txt)"
    grep -q '^tanukiban: ' err.txt || fail "unclear message: $(cat err.txt)"
done
echo "no display: one line on standard error"
