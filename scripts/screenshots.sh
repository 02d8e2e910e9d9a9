#!/usr/bin/env bash
# Builds radiobench, runs it on the built-in simulated terminal under a virtual X server and
# saves a PNG of every window into a folder (default: ./screenshots): the main window after a
# read of the LM52R base page, its other tabs, the monitor, the port dialog, the access-code
# dialog, the auto-reply configuration and the channel dialog; then the same tour in English
# into <output-folder>/en.
#
#   scripts/screenshots.sh [output-folder] [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-screenshots}")"
build="${2:-build}"

cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target radiobench -j"${JOBS:-2}"

mkdir -p "$out"
# A private settings folder, so the monitor history of the user is left alone.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT

tour() {  # language, folder
  mkdir -p "$2"
  rm -rf "${config:?}"/*
  RADIOBENCH_CONFIG_DIR="$config" RADIOBENCH_LANG="$1" LC_ALL=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1920x1080x24" \
    "$build/apps/radiobench/radiobench" --port sim --screenshot "$2"
}
tour zh "$out"
tour en "$out/en"

ls -1 "$out"/*.png "$out"/en/*.png
