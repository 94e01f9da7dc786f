#!/usr/bin/env bash
# Kills writers mid-write many times: scripts/fault-inject.sh [kills per file, default 60].
# Runs the kill tests of the writer code (every data file, the project script and its passes,
# WAV exports) and of the running program (start, close, Save Project As) under Wine; the test run does the
# same with a few kills each. Prints how many kills each file took.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/build.sh" win || exit 1
. "$root/scripts/wine-env.sh"
"$root/scripts/register-standin.sh" >/dev/null || exit 1
export ZANDOLIN_FAULT_KILLS=${1:-60}
export ZANDOLIN_ROOT="$root" ZANDOLIN_PROGRAM="$root/build/win/program" ZANDOLIN_TEST_BIN="$root/build/win/tests"
mkdir -p build/test-logs
start_xvfb || exit 1
trap stop_xvfb EXIT
rc=0
wine build/win/tests/wine_tests.exe --gtest_filter='FaultInjection.*' >build/test-logs/fault-writers.log 2>&1 || rc=1
wine build/win/tests/e2e_tests.exe --gtest_filter='KillDuringWrite.*:KillDuringSaveProject.*' >build/test-logs/fault-program.log 2>&1 || rc=1
grep -hE 'kills|Failure|after kill|PASSED|FAILED' build/test-logs/fault-writers.log build/test-logs/fault-program.log
exit $rc
