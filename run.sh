#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program (arguments are passed on).
# Without a display it runs an example program through the headless runner instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available; running examples/multiply.85 with vantric-cli instead."
  exec build/release/bin/vantric-cli run examples/multiply.85 --dump 2000:16
fi
exec build/release/bin/vantric "$@"
