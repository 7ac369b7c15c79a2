# Sourced by the real-window tests and the benchmarks: a private desktop
# session of our own (a screen of SESSION_SCREEN pixels, 1280x1024 unless set). session_start brings up Xvfb, a session D-Bus, the
# AT-SPI bus and a PulseAudio server whose only sink is a null sink, each in
# a temporary folder; session_stop ends every one of them again. All four
# start in well under a second.

SESSION_DIR=""
SESSION_PIDS=()     # processes ended by pid
SESSION_GROUPS=()   # process groups (a launcher and what it started)

session_wait_for() {  # TRIES COMMAND...: polls every 0.1 s
  local tries=$1; shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -le 0 ] && return 1
    sleep 0.1
  done
}

session_start() {
  SESSION_DIR=$(mktemp -d /tmp/velmora-session.XXXXXX) || return 1
  export XDG_RUNTIME_DIR=$SESSION_DIR/run
  mkdir -m 700 -p "$XDG_RUNTIME_DIR"

  # Xvfb picks a free display itself and tells us which.
  Xvfb -displayfd 3 -screen 0 "${SESSION_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$SESSION_DIR/display" \
    >"$SESSION_DIR/xvfb.log" 2>&1 &
  SESSION_PIDS+=($!)
  session_wait_for 100 test -s "$SESSION_DIR/display" || { echo "Xvfb did not start"; return 1; }
  export DISPLAY=:$(tr -d '\n' <"$SESSION_DIR/display")

  local bus
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>"$SESSION_DIR/dbus.log") ||
    { echo "dbus-daemon did not start"; return 1; }
  export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
  SESSION_PIDS+=("$(sed -n 2p <<<"$bus")")

  # The AT-SPI bus and its registry, in a process group of their own.
  setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >"$SESSION_DIR/atspi.log" 2>&1 &
  SESSION_GROUPS+=($!)
  session_wait_for 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
    { echo "AT-SPI bus did not start"; return 1; }

  cat >"$SESSION_DIR/pulse.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse-native
load-module module-null-sink sink_name=quiztest sink_properties=device.description=quiztest
set-default-sink quiztest
PA
  setsid pulseaudio -n -F "$SESSION_DIR/pulse.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --log-target=stderr >"$SESSION_DIR/pulse.log" 2>&1 &
  SESSION_GROUPS+=($!)
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse-native
  session_wait_for 100 pactl info || { echo "PulseAudio did not start"; return 1; }
  export SESSION_SINK=quiztest
  return 0
}

session_stop() {
  local g p
  for g in "${SESSION_GROUPS[@]}"; do kill -TERM -- "-$g" 2>/dev/null; done
  for p in "${SESSION_PIDS[@]}"; do kill -TERM "$p" 2>/dev/null; done
  sleep 0.3
  for g in "${SESSION_GROUPS[@]}"; do kill -KILL -- "-$g" 2>/dev/null; done
  for p in "${SESSION_PIDS[@]}"; do kill -KILL "$p" 2>/dev/null; done
  wait 2>/dev/null
  SESSION_GROUPS=()
  SESSION_PIDS=()
  [ -n "$SESSION_DIR" ] && rm -rf "$SESSION_DIR"
  SESSION_DIR=""
}
