#!/usr/bin/env bash
# The tests in a real window: drives velmora-quiz with xdotool and reads its
# widgets through AT-SPI (pyatspi), inside the private session of
# tools/desktop/run-in-session.sh (Xvfb, session D-Bus, AT-SPI bus,
# PulseAudio null sink).
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
exec "$here/../../tools/desktop/run-in-session.sh" "$here/gui_checks.py" --binary "$binary" --stage "$(dirname "$binary")" \
  --artifacts "$(readlink -f "$artifacts")"
