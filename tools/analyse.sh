#!/usr/bin/env bash
# clang-tidy and cppcheck over the project's own code, with the checked-in
# configuration (.clang-tidy, and the options below). Exits non-zero on a finding.
#   tools/analyse.sh BUILD_DIR   (a build configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cd "$root"
# The catalogue's data file is checked by the compiler itself.
files=$(git ls-files 'window/*.cpp' 'game/*.cpp' 'catalogue/*.cpp' 'tools/*.cpp' 'app/*.cpp' | grep -v -e '^catalogue/BuiltIn.cpp$')
# The Qt front end only where this build has it.
grep -q 'window/qt/' "$build/compile_commands.json" 2>/dev/null || files=$(printf '%s\n' $files | grep -v -e '^window/qt/' -e '^app/')
fail=0
echo "clang-tidy on $(echo "$files" | wc -l) files"
tidy=$(printf '%s\n' $files | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null)
if printf '%s\n' "$tidy" | grep -E 'warning:|error:'; then fail=1; fi
echo "cppcheck"
if ! cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --enable=warning,performance,portability \
     --inline-suppr --suppress=missingIncludeSystem -I "$root" $files; then fail=1; fi
if [ "$fail" = 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $fail
