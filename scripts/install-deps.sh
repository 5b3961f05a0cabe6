#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, and only those that are missing.
# Works as root or, for a normal user, through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-svg-dev libqt6printsupport6 libgl-dev libglib2.0-dev pkg-config
  libgtest-dev googletest
  libcli11-dev nlohmann-json3-dev
  dpkg-dev file desktop-file-utils binutils python3
  fonts-liberation poppler-utils
  xvfb openbox xdotool xclip x11-utils
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
