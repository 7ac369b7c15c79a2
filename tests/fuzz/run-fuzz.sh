#!/usr/bin/env bash
# The fuzz targets in a clang build of their own.
#   run-fuzz.sh build SOURCE_DIR FUZZ_BUILD_DIR
#       configures FUZZ_BUILD_DIR once (QUIZ_FUZZ, clang, ASan, UBSan) and
#       brings the targets up to date
#   run-fuzz.sh run SOURCE_DIR FUZZ_BUILD_DIR TARGET
#       fuzzes TARGET for QUIZ_FUZZ_SECONDS (60 by default) from the committed
#       corpus and dictionary (tests/fuzz/corpus/TARGET, TARGET.dict); what
#       it finds is copied into tests/fuzz/regressions/TARGET/, where the
#       plain test fuzz_regressions_TARGET replays it from then on, and the
#       run fails.
# Prints "N passed, M failed" last.
set -uo pipefail
mode=$1; src=$2; dir=$3
fuzz=$src/tests/fuzz

fail() { echo "$1"; echo "0 passed, 1 failed"; exit 1; }

if ! command -v clang++ >/dev/null; then
  fail "clang missing: the fuzz targets need clang++ and its fuzzer runtime (tools/setup.sh --test installs them)"
fi

case $mode in
  build)
    if [ ! -f "$dir/CMakeCache.txt" ]; then
      launcher=()
      command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
      generator=()
      command -v ninja >/dev/null && generator=(-G Ninja)
      cmake -S "$src" -B "$dir" "${generator[@]}" "${launcher[@]}" -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIZ_FUZZ=ON -DBUILD_TESTING=OFF -DQUIZ_WERROR=OFF >"$dir.configure.log" 2>&1 ||
        { tail -20 "$dir.configure.log"; fail "the fuzz build could not be configured (see $dir.configure.log)"; }
    fi
    targets=(quiz-fuzz-scenario)
    grep -q '^QUIZ_WITH_QT:BOOL=ON' "$dir/CMakeCache.txt" && targets+=(quiz-fuzz-picture)
    if ! cmake --build "$dir" -j2 --target "${targets[@]}" >"$dir/build.log" 2>&1; then
      grep -m 20 -E 'error|undefined reference|cannot find' "$dir/build.log"
      fail "the fuzz targets did not build (see $dir/build.log)"
    fi
    echo "built: ${targets[*]}"
    echo "1 passed, 0 failed"
    ;;
  run)
    target=$4
    binary=$dir/tests/fuzz/quiz-fuzz-$target
    [ -x "$binary" ] || fail "$binary is missing: run-fuzz.sh build first"
    seconds=${QUIZ_FUZZ_SECONDS:-60}
    # New inputs go to a corpus in the build folder; the committed one is only read.
    work=$dir/corpus/$target
    findings=$(mktemp -d)
    mkdir -p "$work"
    "$binary" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -max_len=4096 -print_final_stats=1 \
      -dict="$fuzz/$target.dict" -artifact_prefix="$findings/" "$work" "$fuzz/corpus/$target" >"$dir/$target.log" 2>&1
    code=$?
    grep -E '^stat::number_of_executed_units|^Done [0-9]+ runs' "$dir/$target.log"
    found=$(find "$findings" -type f | sort)
    if [ -n "$found" ] || [ "$code" != 0 ]; then
      mkdir -p "$fuzz/regressions/$target"
      for f in $found; do
        cp "$f" "$fuzz/regressions/$target/"
        echo "finding: tests/fuzz/regressions/$target/$(basename "$f")"
      done
      grep -m 30 -E 'ERROR|SUMMARY|runtime error|scenario fuzz|picture fuzz|==[0-9]+==' "$dir/$target.log"
      rm -rf "$findings"
      fail "$target: libFuzzer ended with status $code (log: $dir/$target.log)"
    fi
    rm -rf "$findings"
    echo "$target: $seconds s of fuzzing, 0 findings"
    echo "1 passed, 0 failed"
    ;;
  *) fail "usage: run-fuzz.sh build SOURCE_DIR FUZZ_BUILD_DIR | run SOURCE_DIR FUZZ_BUILD_DIR TARGET" ;;
esac
