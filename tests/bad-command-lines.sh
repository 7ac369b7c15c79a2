#!/usr/bin/env bash
# The tools and the program against bad command lines and bad files: each
# case must end within 20 s with its status (2 for a refusal, 1 for a
# transcript that could not be written) and exactly one clear line on
# standard error, nothing on standard output; never a crash or a hang.
#   bad-command-lines.sh QUIZ_SCRIPT QUIZ_MONKEY [VELMORA_QUIZ]
set -u
script=$1; monkey=$2; program=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0; fail=0

# A scenario line of 70,000 bytes, a file of random bytes, a good scenario.
head -c 70000 /dev/zero | tr '\0' 'x' > "$work/long.quiz"
head -c 4000 /dev/urandom > "$work/random.bin"
printf 'select cbotime 5\nclick cmdstart\nwait 8\n' > "$work/good.quiz"
mkdir "$work/folder.quiz"

# case_ NAME STATUS FRAGMENT COMMAND...
case_() {
  local name=$1 want=$2 fragment=$3; shift 3
  local code lines
  timeout 20 "$@" >"$work/out" 2>"$work/err"; code=$?
  lines=$(wc -l <"$work/err")
  if [ "$code" = "$want" ] && [ "$lines" = 1 ] && grep -qF -- "$fragment" "$work/err" &&
     { [ "$want" != 2 ] || [ ! -s "$work/out" ]; }; then
    pass=$((pass+1))
  else
    fail=$((fail+1))
    echo "FAIL: $name -> status $code (want $want), $lines line(s) on stderr: $(head -c 300 "$work/err")"
  fi
}
# COMMAND... with its standard output on /dev/full.
to_full=(bash -c 'exec "$@" >/dev/full' to_full)

# quiz-script: command lines
case_ "script: no argument" 2 "usage: quiz-script" "$script"
case_ "script: unknown option" 2 "usage: quiz-script" "$script" --bogus
case_ "script: option without a file" 2 "usage: quiz-script" "$script" --sleeping-yield
case_ "script: two files" 2 "usage: quiz-script" "$script" "$work/good.quiz" "$work/good.quiz"
# quiz-script: bad files
case_ "script: a missing file" 2 "cannot read $work/none.quiz" "$script" "$work/none.quiz"
case_ "script: a directory" 2 "is a directory" "$script" "$work/folder.quiz"
case_ "script: /dev/zero" 2 "line 1: line longer than 65536 bytes" "$script" /dev/zero
case_ "script: a line of 70,000 bytes" 2 "line 1: line longer than 65536 bytes" "$script" "$work/long.quiz"
case_ "script: a read error" 2 "cannot read the scenario" "$script" /proc/self/mem
case_ "script: random bytes" 2 "line 1: " "$script" "$work/random.bin"
# quiz-script: output that cannot be written
case_ "script: transcript to /dev/full" 1 "cannot write the transcript" "${to_full[@]}" "$script" "$work/good.quiz"
case_ "script: catalogue to /dev/full" 1 "cannot write the transcript" "${to_full[@]}" "$script" --catalogue

# quiz-monkey
case_ "monkey: negative count" 2 "--games wants a number" "$monkey" --games -1
case_ "monkey: count not a number" 2 "--games wants a number" "$monkey" --games x
case_ "monkey: count in hex" 2 "--games wants a number" "$monkey" --games 0x10
case_ "monkey: count with an exponent" 2 "--games wants a number" "$monkey" --games 1e3
case_ "monkey: option without a value" 2 "--games needs a value" "$monkey" --games
case_ "monkey: unknown option" 2 "unknown option '--bogus'" "$monkey" --bogus 1
case_ "monkey: unknown catalogue" 2 "--catalogue wants test or builtin" "$monkey" --catalogue big
case_ "monkey: unknown yield" 2 "--yield wants short or sleeping" "$monkey" --yield fast
case_ "monkey: seed past 32 bits" 2 "--first wants a seed" "$monkey" --first 4294967296
case_ "monkey: seed range past 32 bits" 2 "go past the 32-bit limit" "$monkey" --first 4294967295 --games 2
case_ "monkey: negative print seed" 2 "--print wants a seed" "$monkey" --print -1

# velmora-quiz (offscreen: the refusal comes before any window)
if [ -n "$program" ]; then
  export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/run
  mkdir -m 700 "$work/run"
  case_ "program: unknown argument" 2 "unbekanntes Argument '--bogus'" "$program" --bogus
  case_ "program: a stray word" 2 "unbekanntes Argument 'spielen'" "$program" spielen
  case_ "program: --record without a file" 2 "--record braucht genau einen Dateinamen" "$program" --record
  case_ "program: --aufzeichnen with two files" 2 "--aufzeichnen braucht genau einen Dateinamen" \
    "$program" --aufzeichnen a b
  case_ "program: recording into a missing folder" 2 "lässt sich nicht schreiben" \
    "$program" --aufzeichnen "$work/none/game.quiz"
  case_ "program: recording onto a directory" 2 "lässt sich nicht schreiben" "$program" --record "$work/folder.quiz"
fi

echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
