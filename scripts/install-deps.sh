#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs and tests with.
# Looks first and installs only what is missing, so a second run is quick.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libsdl2-dev
  libavfilter-dev libespeak-ng-dev espeak-ng-data
  libgtest-dev libgmock-dev
  flashrom
  xvfb xauth xdotool imagemagick
  espeak-ng sox ffmpeg
  clang
  fonts-dejavu-core fonts-wqy-microhei
  xdg-utils
  dpkg-dev desktop-file-utils librsvg2-bin man-db
  gcovr
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
