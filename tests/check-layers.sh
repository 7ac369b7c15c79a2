#!/usr/bin/env bash
# The layers, checked on the includes: each folder of the core includes only
# itself and the layers below it, and no Qt header is included outside the
# desktop platform (qt/), the program (app/), the asset build (assets/) and
# the desktop benchmarks and tests.
#   runtime  <-  catalogue
#   runtime  <-  window  <-  game (with catalogue)
#   runtime  <-  window  <-  headless
set -u
root=${1:-.}
cd "$root" || exit 1
fail=0
allowed() {  # FOLDER ALLOWED-FOLDER...: the project headers it may include
  local folder=$1; shift
  local pattern
  pattern=$(printf '%s/|' "$@")
  local hits
  hits=$(grep -rnE '^\s*#\s*include\s*"' "$folder" --include='*.h' --include='*.cpp' --include='*.inc' |
         grep -vE "#\s*include\s*\"(${pattern%|})")
  if [ -n "$hits" ]; then
    echo "$folder/ includes what lies above it:"
    echo "$hits"
    fail=1
  fi
}
allowed runtime runtime
allowed catalogue catalogue runtime
allowed window window runtime
allowed game game window catalogue runtime
allowed headless headless window runtime

qt=$(grep -rnE '#\s*include\s*[<"](Q[A-Z][A-Za-z]*[>"]|Qt[A-Za-z]*/|q[a-z]+\.h[>"])' runtime catalogue window game headless tools \
       --include='*.h' --include='*.cpp' --include='*.inc' 2>/dev/null)
if [ -n "$qt" ]; then
  echo "Qt is included in the toolkit-free core:"
  echo "$qt"
  fail=1
fi
if [ "$fail" = 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $fail
