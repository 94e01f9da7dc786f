#!/usr/bin/env bash
# Player benchmark (not a test): time from a Right key press to the new frame on screen in
# the Video Editor, for 640x480 and 1920x1080 stand-in scripts, against AVIFile reading the
# same frames; and the frames presented during 10 s of playback of a 25 fps 640x480 script.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/build.sh" win || exit 1
. "$root/scripts/wine-env.sh"
"$root/scripts/register-standin.sh" || exit 1
start_xvfb || exit 1
trap stop_xvfb EXIT
export ZANDOLIN_ROOT="$root" ZANDOLIN_PROGRAM="$root/build/win/program" ZANDOLIN_TEST_BIN="$root/build/win/tests"
log="$root/build/bench-player.log"
timeout 600 wine build/win/tests/e2e_tests.exe --gtest_also_run_disabled_tests \
  --gtest_filter='PlayerBench.*' >"$log" 2>&1
grep -a '^BENCH' "$log" || { tail -30 "$log"; exit 1; }
