#!/usr/bin/env bash
# Builds the benchmarks in the release build and runs them, the dialog's
# first. Options after the script name go to the dialog benchmark
# (e.g. --reps 5 --loops 100).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

jobs="$(nproc 2>/dev/null || echo 2)"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$jobs" --target xy_plot_bench xy_selectors_bench xy_logger_bench
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$build/bench/dialog/xy_plot_bench" "$@"
"$build/bench/selectors/xy_selectors_bench"
"$build/bench/logger/xy_logger_bench"
