#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test twice: in the normal
# build and in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

scripts/build.sh build
scripts/build.sh build-asan -DKR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=0:strict_string_checks=1

status=0
echo "== Tests =="
ctest --test-dir build --output-on-failure -j "$jobs" || status=1
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ctest --test-dir build-asan --output-on-failure -j "$jobs" || status=1
exit $status
