#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: native unit tests (plain and with
# ASan/UBSan), the fuzz seed corpora, the Win32 tests and the end-to-end tests under Wine.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" native asan win || exit 1
. "$root/scripts/wine-env.sh"

passed=0
failed=0
failures=()
logdir="$root/build/test-logs"
rm -rf "$logdir" && mkdir -p "$logdir"

# Runs one GoogleTest program and adds its counts.
gtest() {
  local name=$1; shift
  local log="$logdir/$name.log"
  echo "== $name"
  "$@" >"$log" 2>&1
  local rc=$?
  grep -E '^\[  (FAILED|PASSED|SKIPPED) +\]|^\[ +FAILED +\]|Failure$|error:' "$log" | head -40
  local p f
  p=$(grep -oE '^\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$' | tail -1)
  f=$(grep -oE '^\[  FAILED  \] [0-9]+ tests?, listed below' "$log" | grep -oE '[0-9]+' | head -1)
  passed=$((passed + ${p:-0}))
  if [ "$rc" -ne 0 ] || [ -z "$p" ]; then
    failed=$((failed + ${f:-1}))
    failures+=("$name (exit $rc, log $log)")
    tail -30 "$log"
  fi
}

# Replays a fuzz target's seed corpus under the sanitizers.
replay() {
  local name=$1 exe=$2 corpus=$3
  echo "== fuzz replay $name"
  if "$exe" "$corpus" >"$logdir/fuzz_$name.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("fuzz replay $name")
    tail -30 "$logdir/fuzz_$name.log"
  fi
}

gtest unit_tests build/native/unit_tests
gtest unit_tests_asan build/asan/unit_tests
for exe in build/asan/fuzz_replay_*; do
  [ -x "$exe" ] || continue
  name=${exe##*/fuzz_replay_}
  replay "$name" "$exe" "fuzz/$name/corpus"
done

# A real AviSynth+ (64-bit avisynth.dll) beside the stand-in: tests that run against both
# find its folder in ZANDOLIN_AVISYNTH_PLUS.
export ZANDOLIN_AVISYNTH_PLUS=${ZANDOLIN_AVISYNTH_PLUS:-$(cd "$root/.." && pwd)/shared/avisynthplus}
if [ -f "$ZANDOLIN_AVISYNTH_PLUS/avisynth.dll" ]; then
  "$root/scripts/register-standin.sh" --real "$ZANDOLIN_AVISYNTH_PLUS/avisynth.dll" || exit 1
else
  echo "test: no AviSynth+ in $ZANDOLIN_AVISYNTH_PLUS; its tests are skipped"
  "$root/scripts/register-standin.sh" || exit 1
fi
"$root/scripts/make-test-media.sh" "$root/build/test-media" || exit 1
export ZANDOLIN_MEDIA="$root/build/test-media"
start_xvfb || exit 1
trap stop_xvfb EXIT
export ZANDOLIN_ROOT="$root"
export ZANDOLIN_PROGRAM="$root/build/win/program"
export ZANDOLIN_TEST_BIN="$root/build/win/tests"
gtest wine_tests timeout 900 wine build/win/tests/wine_tests.exe
gtest e2e_tests timeout 1200 wine build/win/tests/e2e_tests.exe
stop_xvfb

echo
if [ ${#failures[@]} -gt 0 ]; then
  printf 'failed: %s\n' "${failures[@]}"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
