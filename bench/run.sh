#!/usr/bin/env bash
# Every benchmark of the quiz in one run: prints the machine and one Markdown
# table of the figures, their goals and whether each goal is met. Progress
# goes to stderr. Takes about six minutes.
#   bench/run.sh BUILD_DIR
# BUILD_DIR is a build with QUIZ_WITH_QT (the default); the real-window
# figures run under their own Xvfb session (see tools/desktop/session.sh).
#   - the headless figures of quiz-bench-headless
#   - CPU while a countdown waits, sleeping against spinning yield
#     (cpu-wait/run-cpu-bench.sh, 2 x 20 s)
#   - the countdown on the screen against the wall clock: how long after each
#     turn of the second the countdown box changes (median, p95, max), with
#     the CPU share of the same runs, without and with input
#     (tick-lag/tick_lag.py, 2 x 60 s)
#   - a repaint of the whole window and a countdown tick, at the design's
#     800 x 600 and full screen at 1920 x 1080 (quiz-frame-time, in a session
#     with a 1920 x 1080 screen)
#   - game controllers (with the program's virtual pads): the answer key
#     from the keyboard and as a controller's button, each to the changed
#     pixels of the result box, 20 presses each; CPU while a countdown waits
#     with three pads connected, 20 s, and 10 s of the same with the module
#     waiting in SDL_WaitEventTimeout to compare (pad-lag/pad_lag.py, about
#     a minute)
#   - start to first frame on the screen, velmora-quiz against the minimal
#     Qt Widgets window, median of 9 starts each, taken in turns (single
#     starts on this kind of machine scatter by 10 % and more)
#     (quiz-first-frame); beside them the minimal window with QtMultimedia
#     playing one cue, for the share of the sound stack, and the minimal
#     window showing the quiz's start texts in its fonts, for the share of
#     the fonts
#   - peak memory (VmHWM) over a full 50-question game against the minimal
#     window's, the same game with the accessibility bridge off, the same
#     game without sound and the minimal window with sound
#     (memory/game-memory.py)
set -u
if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: bench/run.sh BUILD_DIR" >&2
  exit 2
fi
build=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
binary=$build/stage/velmora-quiz
minimal=$build/bench/quiz-minimal-window
minimal_sound=$build/bench/quiz-minimal-sound-window
minimal_text=$build/bench/quiz-minimal-text-window
cue=$build/stage/start.wav
first_frame=$build/bench/quiz-first-frame
headless=$build/bench/quiz-bench-headless
watcher=$build/tools/quiz-pixel-watch
frame_time=$build/bench/quiz-frame-time
for f in "$frame_time" "$watcher" "$binary" "$minimal" "$minimal_sound" "$minimal_text" "$first_frame" "$headless"; do
  [ -x "$f" ] || { echo "missing $f: build BUILD_DIR first (with QUIZ_WITH_QT and X11)" >&2; exit 2; }
done
log() { echo "$*" >&2; }

rows=()
row() {  # FIGURE VALUE GOAL VERDICT [NOTE]
  rows+=("| $1 | $2 | $3 | $4 | ${5:-} |")
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio_row() {  # FIGURE A B UNIT GOAL_FACTOR NOTE
  local verdict
  verdict=$(awk -v a="$2" -v b="$3" -v g="$5" 'BEGIN { print (b > 0 && a / b <= g) ? "met" : "MISSED" }')
  row "$1" "$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.2f x", (b > 0 ? a / b : 0) }')" "<= $5 x" "$verdict" "$6"
}

# --- the headless figures ------------------------------------------------------
log "headless figures..."
while IFS='|' read -r _ figure value goal verdict _; do
  figure=$(echo "$figure" | sed 's/ *$//; s/^ *//')
  case "$figure" in "" | "figure (headless)" | -*) continue ;; esac
  verdict=$(echo "$verdict" | tr -d ' ')
  [ "$verdict" = MISS ] && verdict=MISSED
  row "$figure (headless)" "$(echo "$value" | tr -s ' ' | sed 's/^ //; s/ $//')" "$(echo "$goal" | sed 's/ *$//; s/^ *//')" "$verdict"
done < <("$headless")

# --- CPU while the countdown waits ------------------------------------------------
log "CPU while a countdown waits (2 x 20 s)..."
cpu=$("$here/cpu-wait/run-cpu-bench.sh" "$binary" 20)
sleeping=$(grep '^| sleeping' <<<"$cpu")
spinning=$(grep '^| spinning' <<<"$cpu")
if [ -n "$sleeping" ] && [ -n "$spinning" ]; then
  # | name | wall s | CPU s | % of one core | limit | countdown |
  read -r s_wall s_cpu s_pct s_limit s_count < <(awk -F'|' '{ gsub(/[ %]/, "", $5); print $3 + 0, $4 + 0, $5, $6, $7 }' <<<"$sleeping")
  read -r p_wall p_cpu p_pct _ _ < <(awk -F'|' '{ gsub(/[ %]/, "", $5); print $3 + 0, $4 + 0, $5, $6, $7 }' <<<"$spinning")
  s_limit=$(echo "$s_limit" | tr -d ' ')
  s_count=$(echo "$s_count" | tr -d ' ')
  verdict=$(awk -v p="$s_pct" 'BEGIN { print (p < 1) ? "met" : "MISSED" }')
  note="$s_cpu s CPU in $s_wall s; limit $s_limit, countdown read at $s_count"
  # Only a running countdown makes the figure mean anything.
  if [ "$s_limit" != 30 ] || ! [[ "$s_count" =~ ^[0-9]+$ ]]; then
    verdict=INVALID
    note="$note: no running countdown"
  fi
  row "CPU while a countdown waits, no input (real window, Xvfb, 20 s)" "$s_pct % of one core" "< 1 % of one core" "$verdict" "$note"
  row "the same wait with the spinning yield (QUIZ_SPIN_YIELD=1)" "$p_pct % of one core" "for comparison" "-" "$p_cpu s CPU in $p_wall s"
  row "spinning / sleeping yield, CPU time" "$(awk -v s="$s_cpu" -v p="$p_cpu" 'BEGIN { if (s > 0) printf "%.0f x", p / s; else printf "> %.0f x", p / 0.01 }')" "for comparison" "-" \
    "$(awk -v s="$s_cpu" 'BEGIN { if (s == 0) print "the sleeping yield used less than one clock tick (10 ms)" }')"
else
  row "CPU while a countdown waits, no input (real window, Xvfb, 20 s)" "not measured" "< 1 % of one core" "FAILED" "run-cpu-bench.sh gave no rows"
fi

# --- the countdown on the screen against the wall clock ----------------------------------
log "the countdown box against the wall clock (2 x 60 s)..."
ticks=$("$here/../tools/desktop/run-in-session.sh" "$here/tick-lag/tick_lag.py" --binary "$binary" --watcher "$watcher" \
          --artifacts "$build/bench-artifacts" --seconds 60)
for run in idle input; do
  line=$(grep "^$run " <<<"$ticks")
  field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$line"; }
  what="no input"
  [ "$run" = input ] && what="the mouse moving every 0.2 s"
  if [ -z "$line" ]; then
    row "countdown change after the second turns, $what (real window, 60 s)" "not measured" "p95 < 10 ms" "FAILED" "tick_lag.py gave no line"
    continue
  fi
  verdict=$(awk -v p="$(field p95_ms)" 'BEGIN { print (p < 10) ? "met" : "MISSED" }')
  row "countdown change after the second turns, $what (real window, 60 s)" \
    "median $(field median_ms) ms, p95 $(field p95_ms) ms, max $(field max_ms) ms" "p95 < 10 ms" "$verdict" "$(field changes) changes watched through the pixels"
  verdict=$(awk -v p="$(field cpu_pct)" 'BEGIN { print (p < 1) ? "met" : "MISSED" }')
  row "CPU in the same run, $what" "$(field cpu_pct) % of one core" "< 1 % of one core" "$verdict" ""
done

# --- drawing at the design's size and full screen ---------------------------------------
log "a repaint and a countdown tick at 800 x 600 and 1920 x 1080..."
frames=$(SESSION_SCREEN=1920x1080 "$here/../tools/desktop/run-in-session.sh" /dev/stdin <<PY
import subprocess
print(subprocess.run(["$frame_time"], cwd="$(dirname "$binary")", capture_output=True, text=True).stdout)
PY
)
small=$(grep '^800x600 ' <<<"$frames")
large=$(grep '^1920x1080 ' <<<"$frames")
if [ -n "$small" ] && [ -n "$large" ]; then
  read -r _ s_repaint s_tick <<<"$small"
  read -r _ l_repaint l_tick <<<"$large"
  row "repaint of the whole window, 800 x 600 / 1920 x 1080 full screen (real window, median of 60)" \
    "$s_repaint ms / $l_repaint ms" "for comparison" "-" "the layout scaled to the window, text laid out anew"
  verdict=$(awk -v t="$l_tick" 'BEGIN { print (t < 16.7 / 4) ? "met" : "MISSED" }')
  row "a countdown tick drawn, 800 x 600 / 1920 x 1080 full screen (median of 60)" "$s_tick ms / $l_tick ms" \
    "well under a frame (< 4 ms of 16.7)" "$verdict" "only the countdown box is drawn anew"
else
  row "repaint and countdown tick at 800 x 600 and 1920 x 1080" "not measured" "" "FAILED" "quiz-frame-time gave no lines"
fi

# --- game controllers: a button against a key, and the wait with three pads -------------
if [ -f "$build/stage/velmora-quiz-controllers.so" ]; then
  log "game controllers: a button against a key (2 x 20 presses), the wait with three pads (20 s)..."
  pads=$("$here/../tools/desktop/run-in-session.sh" "$here/pad-lag/pad_lag.py" --binary "$binary" --watcher "$watcher" \
           --artifacts "$build/bench-artifacts" --presses 20 --seconds 20 --compare-seconds 10)
  line=$(grep '^lag ' <<<"$pads")
  field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$line"; }
  if [ -n "$line" ]; then
    row "answer key to the changed result box, from the keyboard (XTest, real window, $(field presses) presses)" \
      "median $(field keyboard_median_ms) ms, p95 $(field keyboard_p95_ms) ms" "" "" "watched through the pixels"
    row "the same key as button A of a game controller (SDL virtual pad, $(field presses) presses)" \
      "median $(field pad_median_ms) ms, p95 $(field pad_p95_ms) ms" "" "" "taken in turns with the keyboard's"
    extra=$(awk -v p="$(field pad_median_ms)" -v k="$(field keyboard_median_ms)" 'BEGIN { printf "%+.2f", p - k }')
    verdict=$(awk -v e="$extra" 'BEGIN { print (e <= 2) ? "met" : "MISSED" }')
    row "controller button over keyboard key, median" "$extra ms" "<= 2 ms" "$verdict" ""
  else
    row "a game controller's button against a key, to the changed pixels" "not measured" "<= 2 ms extra at the median" "FAILED" "pad_lag.py gave no line"
  fi
  line=$(grep '^cpu ' <<<"$pads")
  if [ -n "$line" ]; then
    verdict=$(awk -v p="$(field cpu_pct)" 'BEGIN { print (p < 1) ? "met" : "MISSED" }')
    if [ "$(field pads)" != 3 ] || [ "$(field limit)" != 30 ] || ! [[ "$(field countdown)" =~ ^[0-9]+$ ]]; then verdict=INVALID; fi
    row "CPU while a countdown waits, three game controllers connected (virtual, 20 s)" "$(field cpu_pct) % of one core" \
      "< 1 % of one core" "$verdict" "$(field pads) pads connected; limit $(field limit), countdown read at $(field countdown)"
    line=$(grep '^cpu_sdl_wait ' <<<"$pads")
    [ -n "$line" ] && row "the same wait with the module in SDL_WaitEventTimeout (QUIZ_CONTROLLERS_SDL_WAIT=1, $(field seconds) s)" \
      "$(field cpu_pct) % of one core" "for comparison" "-" "SDL pumps every millisecond without an SDL window"
  else
    row "CPU while a countdown waits, three game controllers connected" "not measured" "< 1 % of one core" "FAILED" "pad_lag.py gave no line"
  fi
else
  row "game controllers" "not measured" "" "-" "built without SDL: no controller module"
fi

# --- in a real window: the first frame and the memory -------------------------------------
. "$here/../tools/desktop/session.sh"
trap session_stop EXIT
trap 'exit 130' INT TERM
session_start >&2 || { echo "the X session did not start" >&2; exit 1; }

starts=9
log "start to first frame (4 x $starts starts)..."
quiz_frames=()
minimal_frames=()
sound_frames=()
text_frames=()
quiz_maps=()
minimal_maps=()
for ((i = 1; i <= starts; i++)); do
  read -r map frame < <(cd "$(dirname "$binary")" && "$first_frame" "$binary" 2>/dev/null)
  quiz_frames+=("${frame:-0}"); quiz_maps+=("${map:-0}")
  read -r map frame < <("$first_frame" "$minimal" 2>/dev/null)
  minimal_frames+=("${frame:-0}"); minimal_maps+=("${map:-0}")
  read -r map frame < <("$first_frame" "$minimal_sound" "$cue" 2>/dev/null)
  sound_frames+=("${frame:-0}")
  read -r map frame < <("$first_frame" "$minimal_text" 2>/dev/null)
  text_frames+=("${frame:-0}")
  sleep 0.5
done
q_frame=$(printf '%s\n' "${quiz_frames[@]}" | median)
m_frame=$(printf '%s\n' "${minimal_frames[@]}" | median)
q_map=$(printf '%s\n' "${quiz_maps[@]}" | median)
m_map=$(printf '%s\n' "${minimal_maps[@]}" | median)
row "start to first frame, velmora-quiz (median of $starts)" "$q_frame ms" "" "" "window mapped at $q_map ms; all: ${quiz_frames[*]}"
row "start to first frame, minimal Qt Widgets window (median of $starts)" "$m_frame ms" "" "" "window mapped at $m_map ms; all: ${minimal_frames[*]}"
s_frame=$(printf '%s\n' "${sound_frames[@]}" | median)
row "start to first frame, minimal window with QtMultimedia and one cue (median of $starts)" "$s_frame ms" "for comparison" "-" "all: ${sound_frames[*]}"
t_frame=$(printf '%s\n' "${text_frames[@]}" | median)
row "start to first frame, minimal window showing the quiz's start texts in its fonts (median of $starts)" "$t_frame ms" "for comparison" "-" \
  "$(awk -v a="$t_frame" -v b="$m_frame" 'BEGIN { printf "%.2f x", a / b }') the minimal window's; the quiz takes $(awk -v a="$q_frame" -v b="$t_frame" 'BEGIN { printf "%.2f x", a / b }') of this one's; all: ${text_frames[*]}"
ratio_row "start to first frame, velmora-quiz / minimal window" "$q_frame" "$m_frame" ms 1.5 \
  "to the map $(awk -v a="$q_map" -v b="$m_map" 'BEGIN { printf "%.0f against %.0f ms", a, b }'), from the map to the frame $(awk -v a="$q_map" -v b="$m_map" -v c="$q_frame" -v d="$m_frame" 'BEGIN { printf "%.0f against %.0f ms", c - a, d - b }')"

log "peak memory over a full 50-question game (about a minute)..."
if memory=$(/usr/bin/python3 "$here/memory/game-memory.py" --binary "$binary" --minimal "$minimal" \
               --minimal-sound "$minimal_sound" --cue "$cue"); then
  get() { tr ' ' '\n' <<<"$memory" | sed -n "s/^$1=//p"; }
  mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
  q_kb=$(get quiz_kb)
  m_kb=$(get minimal_kb)
  rating=$(get rating)
  blind_rating=$(get blind_rating)
  row "peak memory (VmHWM), velmora-quiz, 50 questions, 1 player, limit Kein" "$(mib "$q_kb")" "" "" \
    "$(get answered) answered, rating box '${rating//_/ }' read through AT-SPI"
  row "peak memory (VmHWM), minimal Qt Widgets window" "$(mib "$m_kb")" "" "" "shown, its AT-SPI tree read"
  ratio_row "peak memory, velmora-quiz / minimal window" "$q_kb" "$m_kb" kB 1.5 \
    "at the end: $(get quiz_libs) against $(get minimal_libs) shared libraries mapped; anonymous $(mib "$(get quiz_anon_kb)") against $(mib "$(get minimal_anon_kb)"), file-backed $(mib "$(get quiz_file_kb)") against $(mib "$(get minimal_file_kb)")"
  row "peak memory, minimal window with QtMultimedia and one cue" "$(mib "$(get sound_kb)")" "for comparison" "-" \
    "$(get sound_libs) shared libraries mapped; anonymous $(mib "$(get sound_anon_kb)"), file-backed $(mib "$(get sound_file_kb)"); the quiz takes $(awk -v a="$q_kb" -v b="$(get sound_kb)" 'BEGIN { printf "%.2f x", a / b }') of this one's"
  row "peak memory, the same game with the accessibility bridge off" "$(mib "$(get blind_kb)")" "for comparison" "-" \
    "driven blind; rating box: ${blind_rating//_/ }"
  row "peak memory, the same game without sound (no sound module, no cues)" "$(mib "$(get silent_kb)")" "for comparison" "-" \
    "$(awk -v a="$(get silent_kb)" -v b="$m_kb" 'BEGIN { printf "%.2f x", a / b }') the minimal window's; the sound stack adds the rest"
else
  row "peak memory over a full 50-question game" "not measured" "<= 1.5 x the minimal window" "FAILED" "see the messages above"
fi

# --- the table ------------------------------------------------------------------------------
cpu_model=$(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo "Machine: ${cpu_model:-unknown CPU}, $(nproc) cores available ($(grep -c '^processor' /proc/cpuinfo) in /proc/cpuinfo), Linux $(uname -r), Qt $("$minimal" --qt-version)"
echo "Build: $build, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
echo "| figure | value | goal | verdict | note |"
echo "|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
