#!/usr/bin/env bash
# Fails when a file of the core (window model, game, catalogue, headless
# platform, tools) includes a Qt header.
set -u
root=${1:-.}
hits=$(grep -rnE '#\s*include\s*[<"](Q[A-Z][A-Za-z]*[>"]|Qt[A-Za-z]*/|q[a-z]+\.h[>"])' "$root/window" "$root/game" "$root/catalogue" "$root/tools" \
       --include='*.h' --include='*.cpp' --include='*.inc' 2>/dev/null | grep -v "^$root/window/qt/")
if [ -n "$hits" ]; then
  echo "Qt is included outside window/qt and app:"
  echo "$hits"
  echo "0 passed, 1 failed"
  exit 1
fi
echo "1 passed, 0 failed"
