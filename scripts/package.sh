#!/usr/bin/env bash
# Builds (reusing build/ when it is there) and makes the Debian package of the
# installed layout. Its Depends come from the libraries the programs link
# (dpkg-shlibdeps) plus the programs they start. The last line printed is the
# package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
rm -rf build/package
(cd build && cpack -G DEB >&2)
package=$(ls build/package/*.deb)
realpath "$package"
