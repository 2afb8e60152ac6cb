#!/usr/bin/env bash
# Builds the library and starts the demo. Without a display it renders the
# dialog's pages to PNG files instead and prints their paths.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

jobs="$(nproc 2>/dev/null || echo 2)"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$jobs" --target xy_plot_dialog_demo
demo="$build/tools/dialog_demo/xy_plot_dialog_demo"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$demo" "$@"
fi
out="$build/screenshots"
mkdir -p "$out"
echo "No display found: rendering the dialog to PNG files."
QT_QPA_PLATFORM=offscreen "$demo" --screenshot "$out" "$@"
