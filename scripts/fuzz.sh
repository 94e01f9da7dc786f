#!/usr/bin/env bash
# Fuzzes one target with libFuzzer under ASan/UBSan: scripts/fuzz.sh <target> <seconds>
# New inputs go to build/fuzz/<target>/corpus; the seed corpus in fuzz/<target>/corpus stays as committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
target=${1:?target name (a folder under fuzz/)}
seconds=${2:-300}
out="build/fuzz/$target"
mkdir -p "$out/corpus" "$out/artifacts"
mapfile -t sources < <(find src -name '*.cpp' ! -name '*_win32.cpp' | sort)
mapfile -t support < <(find tests/support -name '*.cpp' | sort)
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc -Itests "fuzz/$target/$target.cpp" "${sources[@]}" "${support[@]}" -o "$out/fuzz_$target"
cp -n "fuzz/$target/corpus/"* "$out/corpus/" 2>/dev/null || true
"$out/fuzz_$target" -max_total_time="$seconds" -artifact_prefix="$out/artifacts/" \
  -print_final_stats=1 "$out/corpus" 2>&1 | tail -25
