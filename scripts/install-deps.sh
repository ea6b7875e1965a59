#!/usr/bin/env bash
# Installs the Debian packages Maltwright builds, runs and tests with.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-qpa-plugins libqt6sql6-sqlite libgl-dev
  libsqlite3-dev sqlite3 libgtest-dev libbenchmark-dev
  fonts-liberation2 xvfb xdotool imagemagick poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
