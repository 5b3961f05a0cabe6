#!/usr/bin/env bash
# Configures and builds one tree: scripts/build.sh release|sanitize
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-release}
case "$kind" in
  release)  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DVANTRIC_SANITIZE=ON -DVANTRIC_BUILD_BENCH=OFF) ;;
  *) echo "usage: scripts/build.sh release|sanitize" >&2; exit 64 ;;
esac
cmake -S . -B "build/$kind" -G Ninja "${options[@]}" >/dev/null
cmake --build "build/$kind"
