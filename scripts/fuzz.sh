#!/usr/bin/env bash
# Builds every fuzz target (the targets named fuzz_* of tests/fuzz) with clang
# in build-fuzz/ and runs each for SECONDS (default 600), one after another.
# Usage: fuzz.sh [SECONDS]
# Each target grows its corpus in build-fuzz/corpus/NAME from the seeds and
# regression inputs in tests/fuzz; an input that makes it fail is written to
# build-fuzz/crashes/NAME/. Copy such an input to tests/fuzz/regressions/NAME/
# and the test suite replays it from then on. Not part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
dir=build-fuzz
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DKR_FUZZ=ON -DKR_BUILD_GUI=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
# Every fuzz_* target the build defines: a target added later is run without
# a change here.
mapfile -t targets < <(ninja -C "$dir" -t targets all | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): phony$/\1/p' | sort -u)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz.sh: no fuzz targets found" >&2
  exit 1
fi
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  corpus=$dir/corpus/$target
  crashes=$dir/crashes/$target
  mkdir -p "$corpus" "$crashes"
  inputs=("$corpus")
  for extra in tests/fuzz/seeds/$target tests/fuzz/regressions/$target; do
    [ -d "$extra" ] && inputs+=("$extra")
  done
  echo "== $target: $seconds s"
  # Later folders only seed the corpus; new inputs go to the first.
  rc=0
  "$dir/tests/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$crashes/" "${inputs[@]}" >"$dir/$target.log" 2>&1 || rc=$?
  grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' "$dir/$target.log" || true
  if [ $rc -ne 0 ] || [ -n "$(ls -A "$crashes")" ]; then
    echo "== $target: FAILED, inputs in $crashes, log in $dir/$target.log" >&2
    status=1
  fi
done
exit $status
