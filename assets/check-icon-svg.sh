#!/usr/bin/env bash
# The scalable icon looks like the painted one: icon.svg rendered by librsvg
# (as GTK's icon themes render it) at 256 px against icon-256.png, which
# QPainter painted from the same shapes. A missing shape, a gradient the
# wrong way round or a stroke of the wrong width each lift the difference
# well past the limit; the two renderers' antialiasing stays under it.
#   assets/check-icon-svg.sh PICTURES_DIR
set -uo pipefail
dir=$1
limit=0.02   # normalised RMSE over RGBA; the two renderers differ by about 0.007
for tool in rsvg-convert compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool (tools/setup.sh --test installs it)"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! rsvg-convert -w 256 -h 256 "$dir/icon.svg" -o "$tmp/svg.png"; then
  echo "FAILED  rsvg-convert cannot render icon.svg"
  echo "0 passed, 1 failed"
  exit 1
fi
# compare prints "absolute (normalised)" on stderr and exits 1 when the images differ at all.
rmse=$(compare -metric RMSE "$dir/icon-256.png" "$tmp/svg.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
if [ -n "$rmse" ] && awk -v r="$rmse" -v l="$limit" 'BEGIN { exit !(r < l) }'; then
  echo "ok      icon.svg rendered by librsvg matches icon-256.png (RMSE $rmse < $limit)"
  echo "1 passed, 0 failed"
else
  echo "FAILED  icon.svg rendered by librsvg differs from icon-256.png (RMSE ${rmse:-unknown}, limit $limit)"
  echo "0 passed, 1 failed"
  exit 1
fi
