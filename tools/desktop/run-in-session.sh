#!/usr/bin/env bash
# Runs one Python script inside a private desktop session (Xvfb, session
# D-Bus, AT-SPI bus, PulseAudio null sink, see session.sh) and stops the
# session again afterwards. The script can import quizdesk, the driver of
# the real program, which lies beside this file.
#   run-in-session.sh SCRIPT.py [ARGUMENTS...]
# The script finds the session in its environment: DISPLAY, the buses,
# PULSE_SERVER, SESSION_SINK, and SESSION_PULSE_GROUP, the process group of
# the sound server, for the checks that must run without one.
set -u
here=$(cd "$(dirname "$0")" && pwd)
script=$1
shift

for tool in Xvfb dbus-daemon pulseaudio pactl parec xdotool import convert /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool"
    echo "0 passed, 1 failed"
    exit 1
  fi
done

. "$here/session.sh"
trap session_stop EXIT
trap 'exit 130' INT TERM
if ! session_start; then
  echo "0 passed, 1 failed"
  exit 1
fi
SESSION_PULSE_GROUP=""
for g in "${SESSION_GROUPS[@]}"; do
  [ "$(ps -o comm= -p "$g" 2>/dev/null)" = pulseaudio ] && SESSION_PULSE_GROUP=$g
done
export SESSION_PULSE_GROUP

export PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}"
/usr/bin/python3 "$script" "$@"
