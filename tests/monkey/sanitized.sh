#!/usr/bin/env bash
# Lets the monkey play GAMES random games on the headless program built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
#   sanitized.sh SOURCE_DIR BUILD_DIR GAMES
# The sanitized build is reused where it exists: the build folder of the
# test itself when it was configured with QUIZ_SANITIZE (for example by the
# "asan" preset), else BUILD_DIR/sanitized, configured only once and then
# just brought up to date.
set -euo pipefail
src=$1; build=$2; games=$3
if grep -q '^QUIZ_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  dir=$build
else
  dir=$build/sanitized
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$src" -B "$dir" -DQUIZ_WITH_QT=OFF -DQUIZ_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
fi
cmake --build "$dir" --target quiz-monkey -j2 >/dev/null
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$dir/tests/quiz-monkey" --games "$games" --catalogue builtin
