#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what .clang-format makes
# of it. The catalogue's entries are data and keep their one-line form.
#   tools/check-format.sh [SOURCE_DIR]
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 1
if ! command -v clang-format >/dev/null; then
  echo "missing: clang-format (tools/setup.sh --test installs it)"
  echo "0 passed, 1 failed"
  exit 1
fi
files=$(git ls-files '*.cpp' '*.h')
if clang-format --dry-run -Werror $files; then
  echo "$(echo "$files" | wc -l) files formatted"
  echo "1 passed, 0 failed"
else
  echo "0 passed, 1 failed (clang-format -i FILE formats one)"
  exit 1
fi
