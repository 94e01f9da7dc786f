#!/usr/bin/env bash
# Fuzzes targets one after another at the lowest priority, each for the given seconds:
# scripts/fuzz-all.sh <seconds> [target...] (default: every folder under fuzz/).
# Writes build/fuzz-logs/<target>.log with the start and end times and libFuzzer's summary.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:?seconds per target}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for d in fuzz/*/; do d=${d%/}; targets+=("${d##*/}"); done
fi
mkdir -p build/fuzz-logs
for t in "${targets[@]}"; do
  log=build/fuzz-logs/$t.log
  {
    echo "start $(date -u +%FT%TZ)"
    nice -n 19 scripts/fuzz.sh "$t" "$seconds"
    echo "exit $?"
    echo "end $(date -u +%FT%TZ)"
    ls "build/fuzz/$t/artifacts"
  } >"$log" 2>&1
done
