#!/usr/bin/env bash
# quiz-script refuses a scenario it cannot understand before running any of
# it: line number and reason on standard error, exit code 2.
tool=$1
pass=0; fail=0
check() {  # script, expected line number, expected fragment of the reason
  local f; f=$(mktemp)
  printf '%b' "$1" > "$f"
  local out err code
  out=$("$tool" "$f" 2>"$f.err"); code=$?; err=$(cat "$f.err")
  if [ "$code" = 2 ] && [ -z "$out" ] && [[ "$err" == *"line $2: "*"$3"* ]]; then
    pass=$((pass+1))
  else
    fail=$((fail+1)); echo "FAIL: $(printf '%b' "$1" | tr '\n' ';') -> code $code, stderr: $err, stdout: ${out:0:80}"
  fi
  rm -f "$f" "$f.err"
}
check 'click cmdstart\njump 3\n' 2 "unknown step"
check 'click cmdstrat\n' 1 "no control named cmdstrat"
check '# comment\n\nselect cbotime 7\n' 3 "has no item 7"
check 'select txterg 1\n' 1 "no combo box"
check 'wait soon\n' 1 "not a number"
check 'wait -1\n' 1 "not a number"
check 'click cmdstart\nclock 10:00:00\n' 2 "before any other step"
check 'clock 25:00:00\n' 1 "HH:MM:SS"
check 'seed x\n' 1 "whole number"
check 'key ab\n' 1 "one character"
check 'clickat 10\n' 1 "needs X and Y"
check 'dump now\n' 1 "unexpected now"
check 'file\n' 1 "needs a path"
# A good scenario runs and ends with exit.
f=$(mktemp); printf 'clock 23:00:00\nseed 7\nwait 1\n' > "$f"
last=$("$tool" "$f" | tail -1)
if [ "$last" = "23:00:01.000 exit" ]; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: good scenario ended with '$last'"; fi
rm -f "$f"
"$tool" /nonexistent/x.quiz 2>/dev/null; [ $? = 2 ] && pass=$((pass+1)) || { fail=$((fail+1)); echo "FAIL: missing file"; }
echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
