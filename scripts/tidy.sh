#!/usr/bin/env bash
# clang-tidy over the program's own sources (not the tests), from a build's
# compile_commands.json. Usage: scripts/tidy.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
mapfile -t files < <(git ls-files -- 'rules/*.cpp' 'computer/*.cpp' 'record/*.cpp' 'settings/*.cpp' \
  'display/*.cpp' 'players/*.cpp' 'flow/*.cpp' 'sound/*.cpp' 'app/*.cpp' 'tools/*.cpp' 2>/dev/null)
[ ${#files[@]} -gt 0 ] || { echo "no sources"; exit 0; }
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${files[@]/#/$top/}" > "$build/clang-tidy.log" 2>&1 || {
  grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u | head -50
  exit 1
}
echo "clang-tidy: ${#files[@]} files clean"
