#!/usr/bin/env bash
# Checks that every tracked C++ file follows the house format (.clang-format); lists those that do not.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${1:-clang-format}
status=0
while IFS= read -r f; do
  [ -f "$f" ] || continue
  if ! "$clang_format" --dry-run -Werror "$f" >/dev/null 2>&1; then
    echo "off the house format: $f (clang-format -i $f mends it)"
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h')
exit $status
