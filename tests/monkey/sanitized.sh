#!/usr/bin/env bash
# Builds the headless program with AddressSanitizer and UndefinedBehaviorSanitizer
# and lets the monkey play GAMES random games on it.
#   sanitized.sh SOURCE_DIR BUILD_DIR GAMES
set -euo pipefail
src=$1; dir=$2; games=$3
cmake -S "$src" -B "$dir" -DQUIZ_WITH_QT=OFF -DQUIZ_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target quiz-monkey -j2 >/dev/null
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$dir/tests/quiz-monkey" --games "$games" --catalogue builtin
