#!/usr/bin/env bash
# Everything `make test` and CI check, stopping at the first failure:
#   1. a sanitizer build (clang, address + undefined behaviour) runs every
#      test that needs no display;
#   2. a fuzz build runs each fuzz target for FUZZ_SECONDS;
#   3. the main build runs every test: the suites, the window under Xvfb,
#      the self-play soak and clang-tidy. Its CTest summary closes the run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
fuzz_seconds=${FUZZ_SECONDS:-60}
soak_games=${SOAK_GAMES:-500}

configure() {  # dir, cmake args...
  local dir=$1; shift
  mkdir -p "$dir"
  cmake -S . -B "$dir" -G Ninja "$@" > "$dir/configure.log" 2>&1 || { cat "$dir/configure.log"; exit 1; }
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
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANUKIBAN_SOAK_GAMES="$soak_games"
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure
