#!/usr/bin/env bash
# Builds the library and starts the demo host on its sample plot screen.
# Without a display it renders the screen and the dialog's pages to PNG
# files instead and prints their paths.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

jobs="$(nproc 2>/dev/null || echo 2)"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$jobs" --target xy_plot_host
host="$build/host/xy_plot_host"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$host" "$@"
fi
out="$build/screenshots"
mkdir -p "$out"
echo "No display found: rendering the plot screen and the dialog to PNG files."
QT_QPA_PLATFORM=offscreen "$host" --screenshot "$out" "$@"
