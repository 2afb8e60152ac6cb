#!/usr/bin/env bash
# Installs the Debian packages that building, testing, the demo and the API
# reference need (python3 writes and checks the forms).
# Usage: scripts/setup.sh [extra-package ...]
set -euo pipefail

packages=(cmake g++ make pkg-config python3 qtbase5-dev qtbase5-dev-tools qttools5-dev-tools libqwt-qt5-dev doxygen "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "These Debian packages are missing. Install them, then run this command again:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
