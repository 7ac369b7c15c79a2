#!/usr/bin/env bash
# Runs every NAME.quiz here through quiz-script and checks that the lines of
# NAME.expect appear in its transcript in that order (others may come between).
# An expect line without a time stamp matches any time.
tool=$1; dir=$(cd "$(dirname "$0")" && pwd)
pass=0; fail=0
for quiz in "$dir"/*.quiz; do
  name=$(basename "$quiz" .quiz)
  out=$("$tool" "$quiz")
  if printf "%s\n" "$out" | /usr/bin/python3 "$dir/subsequence.py" "$dir/$name.expect"; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: $name"; fi
done
echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
