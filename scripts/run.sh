#!/usr/bin/env bash
# Installs what is needed, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
if [ -x build/bin/KR_App ]; then
  exec build/bin/KR_App "$@"
fi
exec build/bin/kr615b --help
