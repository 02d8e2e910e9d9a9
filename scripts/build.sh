#!/usr/bin/env bash
# Configures and builds everything into ./build (Ninja, RelWithDebInfo).
set -euo pipefail
cd "$(dirname "$0")/.."
# RB_WERROR=ON (CI sets it) turns every compiler warning into an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRB_WERROR="${RB_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
