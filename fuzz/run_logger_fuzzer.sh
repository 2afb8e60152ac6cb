#!/bin/sh
# Fuzzes the logger file recogniser for the given seconds (default 60).
#
#   fuzz/run_logger_fuzzer.sh [seconds]
#
# Configures a clang build directory (XY_FUZZ_BUILD_DIR, default
# build/fuzz), builds only the fuzzer and runs it on a copy of the seed
# corpus, so the committed corpus does not grow. New inputs stay in the copy
# (printed at the end); a crash, timeout or out-of-memory input is left in
# the copy's artifacts folder and belongs in fuzz/corpus/logger/ as a
# regression input once the fault is fixed.
set -eu

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${XY_FUZZ_BUILD_DIR:-$root/build/fuzz}
# Past the 64 KiB header limit and the reader's first blocks, small enough
# for libFuzzer's mutations to stay quick.
max_len=${XY_FUZZ_MAX_LEN:-70000}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DXY_PLOT_BUILD_TESTS=OFF -DXY_PLOT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target xy_logger_fuzzer -j2

work=$(mktemp -d "${TMPDIR:-/tmp}/xy_logger_fuzz.XXXXXX")
mkdir -p "$work/corpus" "$work/artifacts"
cp "$here"/corpus/logger/* "$work/corpus/"
echo "working copy: $work"

status=0
(cd "$work" && "$build/fuzz/xy_logger_fuzzer" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout=5 -rss_limit_mb=2048 \
    -dict="$here/logger.dict" -artifact_prefix="$work/artifacts/" \
    -print_final_stats=1 \
    corpus) || status=$?

if [ -n "$(ls -A "$work/artifacts")" ]; then
    echo "FAILING INPUTS in $work/artifacts:"
    ls -l "$work/artifacts"
fi
echo "corpus copy: $work/corpus ($(ls "$work/corpus" | wc -l) inputs)"
exit "$status"
