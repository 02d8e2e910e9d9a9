#!/usr/bin/env bash
# Builds the .deb from a built tree with CPack (into a scratch folder) and lists its files:
# the three programs, the menu entry, the icons and the notes must be in it, and it must depend
# on Debian's own Qt, serial-port and ICU packages. Nothing is installed.
#   package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack="$1"
build="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb=("$out"/radiobench_*.deb)
[ -f "${deb[0]}" ] || { echo "no .deb in $out"; ls -la "$out"; exit 1; }

echo "== ${deb[0]##*/}"
dpkg-deb -c "${deb[0]}" | awk '{print $6}' | tee "$out/files"
echo "== control"
dpkg-deb -f "${deb[0]}" Package Version Depends Recommends

missing=0
for f in ./usr/bin/radiobench ./usr/bin/radiobench-cli ./usr/bin/radiosim \
         ./usr/share/applications/radiobench.desktop \
         ./usr/share/icons/hicolor/scalable/apps/radiobench.svg \
         ./usr/share/icons/hicolor/48x48/apps/radiobench.png \
         ./usr/share/doc/radiobench/README.md ./usr/share/doc/radiobench/README.Debian \
         ./usr/share/radiobench/plans/protest_full.plan ./usr/share/radiobench/plans/protest_quick.plan; do
    grep -qxF "$f" "$out/files" || { echo "missing: $f"; missing=1; }
done
depends="$(dpkg-deb -f "${deb[0]}" Depends)"
for p in libqt6widgets6 libqt6serialport6 libqt6core6 libqt6gui6 libicu72 libsqlite3-0 libpq5 libssl3; do
    [[ ", $depends," == *", $p"[\ ,]* ]] || { echo "not a dependency: $p"; missing=1; }
done
# Read whole first: grep -q stops reading early, and with pipefail the writer's SIGPIPE would
# count as a missing note.
description="$(dpkg-deb -f "${deb[0]}" Description)"
grep -q dialout <<<"$description" || { echo "no dialout note"; missing=1; }
exit "$missing"
