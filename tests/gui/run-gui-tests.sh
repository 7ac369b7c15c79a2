#!/usr/bin/env bash
# The tests in a real window: starts its own Xvfb, session D-Bus, AT-SPI bus
# and PulseAudio null sink, drives velmora-quiz with xdotool, reads its
# widgets through AT-SPI (pyatspi) and stops every service again.
#   run-gui-tests.sh PATH/TO/velmora-quiz ARTIFACT_DIR
# The program runs in its own folder (the stage, beside its sounds). The
# screenshots, the recordings of the sink and the program's output are kept
# in ARTIFACT_DIR.
set -u
binary=$(readlink -f "$1")
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png "$artifacts"/*.raw "$artifacts"/*.log

for tool in Xvfb dbus-daemon pulseaudio pactl parec xdotool import /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool"
    echo "0 passed, 1 failed"
    exit 1
  fi
done

. "$here/gui-session.sh"
trap session_stop EXIT
trap 'exit 130' INT TERM
if ! session_start; then
  echo "0 passed, 1 failed"
  exit 1
fi

/usr/bin/python3 "$here/gui_checks.py" --binary "$binary" --stage "$(dirname "$binary")" \
  --artifacts "$(readlink -f "$artifacts")" --sink "$SESSION_SINK"
