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
# Numbers are plain decimals.
check 'wait 0x10\n' 1 "not a number of seconds: 0x10"
check 'wait 1e3\n' 1 "not a number of seconds: 1e3"
check 'hold +2\n' 1 "not a number of seconds: +2"
check 'wait 99999999\n' 1 "not a number of seconds"
check 'clickat 0x10 5\n' 1 "not a whole number: 0x10"
check 'clickat 5 100001\n' 1 "not a whole number: 100001"
check 'seed 0x10\n' 1 "seed wants a whole number, not 0x10"
check 'seed 18446744073709551616\n' 1 "seed wants a whole number"
check 'clock 10:0:00\n' 1 "HH:MM:SS"
# The steps of a recording.
check 'press 10\n' 1 "press needs X and Y"
check 'release 1 2 3\n' 1 "unexpected 3"
check 'pick cbotime 7\n' 1 "has no item 7"
check 'pick cmdstart 1\n' 1 "no combo box"
check 'keycode 65536\n' 1 "not a whole number"
check 'keycode -1\n' 1 "not a key code"
check 'keycode x\n' 1 "not a whole number: x"
check 'wait 1\nrecorded\n' 2 "before any other step"
check 'recorded now\n' 1 "unexpected now"
# A good scenario runs and ends with exit; so does a recording.
f=$(mktemp); printf 'clock 23:00:00\nseed 7\nwait 1\n' > "$f"
last=$("$tool" "$f" | tail -1)
if [ "$last" = "23:00:01.000 exit" ]; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: good scenario ended with '$last'"; fi
printf 'recorded\nclock 23:00:00\nseed 7\nwait 1.25\nkeycode 27\nwait 0.5\nclose\n' > "$f"
last=$("$tool" "$f" | tail -1)
if [ "$last" = "23:00:01.750 exit" ]; then pass=$((pass+1)); else fail=$((fail+1)); echo "FAIL: recording ended with '$last'"; fi
rm -f "$f"
"$tool" /nonexistent/x.quiz 2>/dev/null; [ $? = 2 ] && pass=$((pass+1)) || { fail=$((fail+1)); echo "FAIL: missing file"; }
echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
