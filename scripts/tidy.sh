#!/usr/bin/env bash
# clang-tidy over every source file in src/ with the repository's .clang-tidy; any finding is an
# error (WarningsAsErrors) and fails the script. Needs build/compile_commands.json (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || scripts/build.sh
git ls-files 'src/*.cpp' | xargs -P"$(nproc)" -n8 clang-tidy -p build --quiet
echo "tidy: no findings"
