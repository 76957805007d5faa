#!/usr/bin/env bash
# Every gate, as `make check` and CI run it, stopping at the first failure.
# Warnings are errors in all three builds.
#   1. a sanitizer build (clang, address + undefined behaviour) runs every
#      test that needs no display;
#   2. a fuzz build runs each fuzz target for FUZZ_SECONDS;
#   3. the main build runs every test: the suites, the slow ones (the window
#      under Xvfb, the real sound library), the self-play soak, clang-tidy,
#      the layering and the format. Its CTest summary closes the run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
fuzz_seconds=${FUZZ_SECONDS:-60}
soak_games=${SOAK_GAMES:-500}

configure() {  # dir, cmake args...
  local dir=$1; shift
  mkdir -p "$dir"
  cmake -S . -B "$dir" -G Ninja -DTANUKIBAN_WERROR=ON "$@" > "$dir/configure.log" 2>&1 ||
    { cat "$dir/configure.log"; exit 1; }
}

echo "== sanitizer build =="
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTANUKIBAN_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j "$jobs" -LE 'display|gate' --output-on-failure

echo "== fuzz build =="
configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DTANUKIBAN_FUZZ=ON -DTANUKIBAN_FUZZ_SECONDS="$fuzz_seconds"
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz -L fuzz --output-on-failure

echo "== main build =="
configure build-check -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANUKIBAN_SOAK_GAMES="$soak_games"
cmake --build build-check -j "$jobs"
ctest --test-dir build-check -j "$jobs" --output-on-failure
