#!/usr/bin/env bash
# The game alone builds without any test tool: configures BUILD_DIR with
# BUILD_TESTING off and with GoogleTest hidden from CMake (as
# on a machine without them), builds it, and checks that the program is
# there, that not one test or test program was made, and that its Debian
# package builds (the README's "Installieren").
#   tools/check-play-build.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1; dir=$2
fail() { echo "$1"; echo "0 passed, 1 failed"; exit 1; }
cmake -S "$src" -B "$dir" -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; fail "configure failed"; }
cmake --build "$dir" -j2 >"$dir.build.log" 2>&1 || { tail -30 "$dir.build.log"; fail "build failed"; }
[ -x "$dir/stage/velmora-quiz" ] || fail "no velmora-quiz in $dir/stage"
tests=$(ctest --test-dir "$dir" -N 2>/dev/null | sed -n 's/^Total Tests: //p')
[ "${tests:-0}" = 0 ] || fail "$tests tests configured with BUILD_TESTING off"
made=$(cmake --build "$dir" --target help | grep -oE 'quiz_tests|quiz_qt_tests|quiz-monkey|quiz-pixel-watch|quiz-bench-headless' | sort -u)
[ -z "$made" ] || fail "test programs among the targets: $made"
rm -f "$dir"/velmora-quiz_*.deb
cmake --build "$dir" --target package >"$dir.package.log" 2>&1 || { tail -30 "$dir.package.log"; fail "the package did not build"; }
ls "$dir"/velmora-quiz_*.deb >/dev/null 2>&1 || fail "no velmora-quiz_*.deb in $dir"
echo "1 passed, 0 failed"
