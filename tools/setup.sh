#!/usr/bin/env bash
# Installs what the quiz needs on Debian 12, only what is missing; uses sudo
# when not run as root.
#   tools/setup.sh          what building and playing the game needs
#   tools/setup.sh --test   that, and what the tests and benchmarks need
set -euo pipefail
game=(
  build-essential cmake file
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-qpa-plugins qt6-wayland libsdl2-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation fonts-urw-base35 fonts-comfortaa fonts-dancingscript
)
test=(
  googletest libgtest-dev libgmock-dev
  clang-tidy cppcheck clang-format clang libclang-rt-14-dev
  pkg-config libx11-dev libxdamage-dev
  xvfb xauth xdotool x11-utils imagemagick dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-numpy
  pulseaudio pulseaudio-utils weston libjpeg-turbo-progs
  lintian appstream desktop-file-utils librsvg2-bin
)
packages=("${game[@]}")
case "${1:-}" in
  "") ;;
  --test) packages+=("${test[@]}") ;;
  *) echo "usage: tools/setup.sh [--test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
