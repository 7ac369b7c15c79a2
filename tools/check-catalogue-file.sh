#!/usr/bin/env bash
# Checks one file of the catalogue at compile time:
#   tools/check-catalogue-file.sh catalogue/entries/questions-001-092.inc FIRST LAST K1 K2 K3 K4
# FIRST..LAST are the entry numbers it must hold, K1..K4 how many have key 1..4.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
part=$(realpath "$1"); first=$2; last=$3
tmp=$(mktemp --suffix=.cpp)
trap 'rm -f "$tmp"' EXIT
cat > "$tmp" <<CPP
#include "catalogue/CatalogueRules.h"
using quiz::Entry;
constexpr Entry part[] = {
#include "$part"
};
constexpr std::span<const Entry> all(part);
template <int I> struct FaultAtIndex { static_assert(I < 0, "entry at this index (0-based) breaks a rule or is out of number sequence"); };
template <int I> struct RepeatAtIndex { static_assert(I < 0, "question at this index (0-based) repeats an earlier one"); };
[[maybe_unused]] FaultAtIndex<quiz::rules::firstFault(all, $first)> f;
[[maybe_unused]] RepeatAtIndex<quiz::rules::firstRepeatedQuestion(all)> r;
static_assert(sizeof(part) / sizeof(Entry) == $last - $first + 1, "wrong number of entries");
constexpr auto k = quiz::rules::keyCounts(all);
template <int A, int B, int C, int D> struct KeyCounts { static_assert(A == $4 && B == $5 && C == $6 && D == $7, "key counts differ"); };
[[maybe_unused]] KeyCounts<k[1], k[2], k[3], k[4]> kc;
int main() {}
CPP
g++ -std=c++20 -fconstexpr-ops-limit=1000000000 -fsyntax-only -I"$here" "$tmp"
echo "OK: $1 holds $first..$last with keys $4/$5/$6/$7"
