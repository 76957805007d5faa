#!/usr/bin/env bash
# The committed pictures are exactly what the generator makes.
#   pictures_up_to_date.sh PATH/TO/tanukiban-picturegen ASSETS_DIR
set -eu
generator=$1 assets=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_RUNTIME_DIR="$out/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen "$generator" "$out/pictures"
stale=0
for made in "$out"/pictures/*; do
    name=$(basename "$made")
    if ! cmp -s "$made" "$assets/$name"; then
        echo "assets/$name differs from the generator's output" >&2
        stale=1
    fi
done
[[ $stale == 0 ]] || { echo "regenerate with: cmake --build BUILD --target pictures" >&2; exit 1; }
echo "$(ls "$out/pictures" | wc -l) picture files up to date"
