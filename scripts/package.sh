#!/usr/bin/env bash
# Builds the release tree and the Debian package build/release/package/vantric_VERSION_ARCH.deb,
# then checks the package (tests/packaging/deb_test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
cd build/release
cpack -G DEB
ctest -R '^package\.' --output-on-failure
