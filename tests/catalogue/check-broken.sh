#!/usr/bin/env bash
# The compile-time checks refuse malformed catalogue parts, and print the
# catalogue in its tab-separated form.
here=$(cd "$(dirname "$0")/../.." && pwd)
check=$here/tools/check-catalogue-file.sh
script=$1
pass=0; fail=0
refuse() {  # what, part text, first, last, k1..k4
  local f; f=$(mktemp --suffix=.inc); printf '%s\n' "$2" > "$f"
  if "$check" "$f" "$3" "$4" "$5" "$6" "$7" "$8" >/dev/null 2>&1; then
    fail=$((fail+1)); echo "FAIL: accepted $1"
  else pass=$((pass+1)); fi
  rm -f "$f"
}
ok='{1, "Wie heißt das Schiff?", {"Aurel", "Boreas", "Cirra", "Dunmor"}, 1},'
refuse "a gap in the numbers" "$ok
{3, \"Wer führt die Flotte?\", {\"a\", \"b\", \"c\", \"d\"}, 2}," 1 2 1 1 0 0
refuse "a too long question" '{1, "Wie heißt das Schiff, das im Jahr 2390 im Nebel von Kelmirra nach einer langen Irrfahrt von vierzig Tagen verschollen ging?", {"a", "b", "c", "d"}, 1},' 1 1 1 0 0 0
refuse "a character outside Latin-1" '{1, "Wie heißt das „Schiff“?", {"a", "b", "c", "d"}, 1},' 1 1 1 0 0 0
refuse "two answers alike" '{1, "Wie heißt das Schiff?", {"a", "b", "b", "d"}, 1},' 1 1 1 0 0 0
refuse "an empty answer" '{1, "Wie heißt das Schiff?", {"a", "", "c", "d"}, 1},' 1 1 1 0 0 0
refuse "a repeated question" "$ok
{2, \"Wie heißt das Schiff?\", {\"a\", \"b\", \"c\", \"d\"}, 2}," 1 2 1 1 0 0
refuse "wrong key counts" "$ok" 1 1 0 1 0 0
good=$(mktemp --suffix=.inc); printf '%s\n' "$ok" > "$good"
if "$check" "$good" 1 1 1 0 0 0 >/dev/null 2>&1; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: refused a good part"; fi
rm -f "$good"
# quiz-script --catalogue: 369 lines of 7 tab-separated fields, in number order.
out=$("$script" --catalogue)
lines=$(printf '%s\n' "$out" | wc -l)
bad=$(printf '%s\n' "$out" | awk -F'\t' 'NF != 7 || $1 != NR || $2 < 1 || $2 > 4' | wc -l)
if [ "$lines" = 369 ] && [ "$bad" = 0 ] && printf '%s' "$out" | iconv -f UTF-8 -t UTF-8 >/dev/null; then
  pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: --catalogue printed $lines lines, $bad malformed"; fi
echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
