#!/usr/bin/env bash
# Fails, naming them, when a tracked C++ file differs from what clang-format (.clang-format) makes
# of it. `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed"; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "check-format: ${#bad[@]} file(s) differ from clang-format (run scripts/check-format.sh --fix):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
