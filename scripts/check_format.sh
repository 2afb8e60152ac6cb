#!/usr/bin/env bash
# Fails, naming the places, when a C++ source differs from the house style
# in .clang-format. With --fix it rewrites them instead.
#   scripts/check_format.sh [--fix] [clang-format binary]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode=(--dry-run --Werror)
if [ "${1:-}" = "--fix" ]; then mode=(-i); shift; fi
format="${1:-clang-format}"
cd "$root"
find components plot_config_dialog interfaces host bench fuzz tests \
     -name '*.cpp' -o -name '*.h' | sort | xargs "$format" "${mode[@]}"
