#!/usr/bin/env bash
# Load, compile and encode through kr615b, each against FFmpeg encoding the
# same audio to IMA ADPCM in the same run: 510 one-second speech files at
# 16000 Hz loaded into a new project and compiled for 64M, and a 256 MiB WAV
# encoded (peak memory). Prints min and median over RUNS runs and their ratio
# to FFmpeg's.
#
# usage: bench/front_ends.sh PROGRAM_FOLDER [RUNS] [FOLDER]
#   PROGRAM_FOLDER holds kr615b and the converter (e.g. build/bin); the work
#   files go into a new folder inside FOLDER (default: the system's temporary
#   folder).
set -euo pipefail
bin=$(cd "$1" && pwd)
runs=${2:-5}
work=$(mktemp -d "${3:-${TMPDIR:-/tmp}}/bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# 510 s of speech at 16000 Hz (no dither, so every run is the same), cut in
# one-second files.
espeak-ng -w a.wav "The quick brown fox jumps over the lazy dog. Please press the green button to start the \
machine, then wait for the second tone. Seven hundred and twenty three units remain in stock."
sox -D a.wav -r 16000 -b 16 speech.wav
sox speech.wav all.wav repeat 60 trim 0 510
mkdir parts
sox all.wav parts/s.wav trim 0 1 : newfile : restart
files=(parts/s*.wav)
[ "${#files[@]}" -eq 510 ] || { echo "expected 510 files, got ${#files[@]}" >&2; exit 1; }
# 256 MiB of 16-bit samples.
sox speech.wav big.wav repeat 2000 trim 0 =134217728s

seconds() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc -l; }
peak_mib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.1f", $1 / 1024}'; }
stats() { sort -g | awk '{v[NR] = $1} END {printf "%.3f %.3f", v[1], (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

declare -A times
for ((r = 1; r <= runs; r++)); do
  rm -rf P.winproj
  "$bin/kr615b" new "$work/P.winproj" >/dev/null
  times[ffmpeg]+="$(seconds ffmpeg -loglevel error -y -i all.wav -c:a adpcm_ima_wav ima.wav)"$'\n'
  times[load]+="$(seconds "$bin/kr615b" load P.winproj/P.winproj "${files[@]}")"$'\n'
  times[compile]+="$(seconds "$bin/kr615b" compile P.winproj/P.winproj --flash 64M)"$'\n'
  times[ffmpeg_rss]+="$(peak_mib ffmpeg -loglevel error -y -i big.wav -c:a adpcm_ima_wav big-ima.wav)"$'\n'
  times[encode_rss]+="$(peak_mib "$bin/kr615b" encode big.wav big.rbf)"$'\n'
  rm -f big.rbf big.rbf.h big-ima.wav
done

read -r fmin fmed <<<"$(printf %s "${times[ffmpeg]}" | stats)"
read -r rmin rmed <<<"$(printf %s "${times[ffmpeg_rss]}" | stats)"
printf '%-34s %10s %10s %12s %12s\n' "figure ($runs runs)" min median "min/ffmpeg" "median/ffmpeg"
printf '%-34s %10.3f %10.3f\n' "ffmpeg -c:a adpcm_ima_wav 510 s" "$fmin" "$fmed"
for k in load compile; do
  read -r a b <<<"$(printf %s "${times[$k]}" | stats)"
  printf '%-34s %10.3f %10.3f %12.2f %12.2f\n' "kr615b $k, 510 files (s)" "$a" "$b" "$(echo "$a / $fmin" | bc -l)" \
    "$(echo "$b / $fmed" | bc -l)"
done
printf '%-34s %10.1f %10.1f\n' "ffmpeg peak MiB, 256 MiB WAV" "$rmin" "$rmed"
read -r a b <<<"$(printf %s "${times[encode_rss]}" | stats)"
printf '%-34s %10.1f %10.1f %12.2f %12.2f\n' "kr615b encode peak MiB, 256 MiB" "$a" "$b" "$(echo "$a / $rmin" | bc -l)" \
  "$(echo "$b / $rmed" | bc -l)"
