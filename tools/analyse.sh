#!/usr/bin/env bash
# clang-tidy and cppcheck over the project's own code, with the checked-in
# configuration (.clang-tidy, and the options below). Exits non-zero on a
# finding, and when a tool it needs is missing (tools/setup.sh --test
# installs both).
#   tools/analyse.sh BUILD_DIR   (a build configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cd "$root"
for tool in clang-tidy cppcheck; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool (tools/setup.sh --test installs it)"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
if [ ! -f "$build/compile_commands.json" ]; then
  echo "missing: $build/compile_commands.json (configure the build first)"
  echo "0 passed, 1 failed"
  exit 1
fi
# The catalogue's data file is checked by the compiler itself.
files=$(git ls-files 'runtime/*.cpp' 'window/*.cpp' 'game/*.cpp' 'catalogue/*.cpp' 'headless/*.cpp' 'tools/*.cpp' \
        'qt/*.cpp' 'app/*.cpp' | grep -v -e '^catalogue/BuiltIn.cpp$')
# The Qt front end only where this build has it.
grep -q '/qt/Qt' "$build/compile_commands.json" || files=$(printf '%s\n' $files | grep -v -e '^qt/' -e '^app/')
fail=0
echo "clang-tidy on $(echo "$files" | wc -l) files"
tidy=$(printf '%s\n' $files | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null)
if printf '%s\n' "$tidy" | grep -E 'warning:|error:'; then fail=1; fi
echo "cppcheck"
if ! cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --enable=warning,performance,portability \
     --inline-suppr --suppress=missingIncludeSystem -I "$root" $files; then fail=1; fi
if [ "$fail" = 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $fail
