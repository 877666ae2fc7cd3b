#!/usr/bin/env bash
# Builds a tree with coverage counters (build-coverage/), runs every test in
# it and prints the line and function coverage of src/ and tools/, then the
# size of the tests against the code (non-blank lines). Not part of test.sh.
# Usage: coverage.sh [further gcovr options...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build-coverage
jobs=$(nproc 2>/dev/null || echo 2)

# Atomic counters: the preview workers run the same code on several threads,
# and plain counters lose updates there until gcov reads negative counts.
flags="--coverage -fprofile-update=atomic"
scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache

# Counters of an earlier run would add to this one.
find "$dir" -name '*.gcda' -delete
# Objects of sources deleted since the tree was built would count as never run.
find "$dir" -name '*.gcno' -path '*/CMakeFiles/*' | while read -r notes; do
  # CMake writes a source outside the target's folder as __/ for ../.
  source=$(echo "${notes#"$dir"/}" | sed -E -e 's#CMakeFiles/[^/]+\.dir/##; s#\.gcno$##' -e ':a' -e 's#(^|/)__/#\1../#; ta')
  case "$source" in
    src/* | tools/* | tests/*) [ -e "$source" ] || rm -f "$notes" ;;
  esac
done

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
ctest --test-dir "$dir" -j "$jobs" --output-on-failure || echo "coverage.sh: some tests failed; the figures below count what ran" >&2

# The tests' own objects count too, for the code of src/ headers they
# inline; CMake's compiler checks do not.
gcovr --root . --object-directory "$dir" --filter 'src/' --filter 'tools/' \
  --exclude-directories "$dir/CMakeFiles\$" -j "$jobs" \
  --print-summary --output "$dir/coverage.txt" "$@"
echo "figures per file: $dir/coverage.txt"

# Source files only: the fuzzers' seed and regression inputs are not code.
nonblank() { git ls-files "$@" | xargs -r cat | grep -cv '^[[:space:]]*$'; }
tests=$(nonblank 'tests/*.cpp' 'tests/*.h' 'tests/*.c' 'tests/*.py' 'tests/*.sh')
code=$(nonblank 'src/*.cpp' 'src/*.h' 'src/*.hpp' 'src/*.c' 'tools/*.cpp' 'tools/*.h' 'resources/*.cpp')
echo "tests: $tests non-blank lines, code: $code, ratio: $((100 * tests / code))%"
