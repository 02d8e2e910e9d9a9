#!/usr/bin/env bash
# Installs the Debian 12 packages RadioBench needs to build, test and run.
set -euo pipefail
pkgs=(cmake g++ ninja-build
      qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
      qt6-tools-dev qt6-l10n-tools  # the English catalogue: lrelease at build time
      libicu-dev libsqlite3-dev libpq-dev libssl-dev libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
      postgresql-15  # the tests' throwaway server (scripts/pg-cluster.sh)
      xvfb xauth fonts-wqy-microhei
      clang-format clang-tidy  # scripts/check-format.sh, scripts/tidy.sh
      clang libclang-rt-14-dev)  # the fuzz harnesses (libFuzzer) and the sanitizer runtimes
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
