#!/usr/bin/env bash
# Builds the Debian package of a built build folder with cpack, into
# OUT_DIR (emptied first), as a player or CI does it.
#   packaging/build-deb.sh BUILD_DIR OUT_DIR
set -uo pipefail
build=$1; out=$2
fail() { echo "$1"; echo "0 passed, 1 failed"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file gzip; do
  command -v "$tool" >/dev/null || fail "missing: $tool (tools/setup.sh installs it)"
done
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { tail -30 "$out/cpack.log"; fail "cpack failed"; }
debs=("$out"/*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb in $out, found: ${debs[*]}"
echo "built ${debs[0]}"
echo "1 passed, 0 failed"
