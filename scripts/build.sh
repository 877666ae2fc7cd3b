#!/usr/bin/env bash
# Configures and builds one build tree. Usage: build.sh [DIR [CMAKE OPTIONS...]]
# The default tree is build/, where the program folder is build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja "$@"
else
  cmake -S . -B "$dir" "$@" >/dev/null
fi
cmake --build "$dir" -j "$jobs"
