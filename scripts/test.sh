#!/usr/bin/env bash
# Builds the library, its components and tests out of tree (build/), then
# runs every test suite. Safe to run again; rebuilds only what changed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

jobs="$(nproc 2>/dev/null || echo 2)"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$jobs"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs"
