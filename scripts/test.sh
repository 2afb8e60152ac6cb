#!/usr/bin/env bash
# Builds the library, its components and tests out of tree and runs every
# test suite twice: once in a normal build (build/release) and once under
# AddressSanitizer + UndefinedBehaviorSanitizer with leak detection
# (build/sanitize), where any report fails the run; in between it fuzzes the
# logger file reader for a minute. Safe to run again; rebuilds only what
# changed. Both builds treat compiler warnings as errors.
#
#   scripts/test.sh            everything
#   XY_PLOT_SKIP_SANITIZE=1    skip the sanitizer run
#   XY_PLOT_FUZZ_SECONDS=N     fuzz for N seconds (0 skips)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" clang clang-format libclang-rt-14-dev

jobs="$(nproc 2>/dev/null || echo 2)"

echo "== Normal build and tests"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXY_PLOT_WERROR=ON
cmake --build "$build" --parallel "$jobs"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs")

fuzz_seconds="${XY_PLOT_FUZZ_SECONDS:-60}"
if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== Fuzzing the logger file reader for ${fuzz_seconds} s"
  XY_FUZZ_BUILD_DIR="$root/build/fuzz" "$root/fuzz/run_logger_fuzzer.sh" "$fuzz_seconds"
fi

if [ -z "${XY_PLOT_SKIP_SANITIZE:-}" ]; then
  echo "== Sanitizer build and tests"
  build="$root/build/sanitize"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DXY_PLOT_SANITIZE=ON \
        -DXY_PLOT_BUILD_BENCH=OFF -DXY_PLOT_WERROR=ON
  cmake --build "$build" --parallel "$jobs"
  # The package test builds an outside project without the sanitizer
  # runtime; the normal run covers it.
  (cd "$build" &&
   QT_QPA_PLATFORM=offscreen \
   ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0 \
   UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
   LSAN_OPTIONS=suppressions="$root/tests/lsan.supp":print_suppressions=0 \
   ctest --output-on-failure --parallel "$jobs" -E tst_package_consumer)
fi

