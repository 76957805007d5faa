#!/usr/bin/env bash
# Fails when a tracked .cpp or .h differs from the layout of .clang-format.
# Usage: scripts/check-format.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "no sources"; exit 0; }
printf '%s\0' "${files[@]}" | xargs -0 -n 50 -P "$(nproc)" clang-format --dry-run -Werror
echo "format: ${#files[@]} files as .clang-format lays them out"
