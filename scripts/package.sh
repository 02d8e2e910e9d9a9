#!/usr/bin/env bash
# Builds the Debian package: a Release build of the three programs in ./build-package (or the
# folder given), then CPack. Prints the path of the .deb and its control fields.
#
#   scripts/package.sh [BUILD_DIR]
#   sudo apt install ./build-package/radiobench_*.deb     (or: sudo dpkg -i ...)
#
# The package depends on Debian 12's Qt 6, serial-port and ICU runtime packages.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-package}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRB_BUILD_TESTS=OFF \
      -DRB_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target radiobench radiobench_cli radiosim
rm -f "$build"/radiobench_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=("$build"/radiobench_*.deb)
echo "${deb[0]}"
dpkg-deb -f "${deb[0]}" Package Version Depends
