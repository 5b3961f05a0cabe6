#!/usr/bin/env bash
# Installs what is missing, builds a sanitizer tree and a release tree, and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
scripts/build.sh sanitize
(cd build/sanitize && ctest --output-on-failure -j2)

echo "== Release build"
scripts/build.sh release
cd build/release && ctest --output-on-failure -j2
