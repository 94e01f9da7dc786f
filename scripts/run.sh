#!/usr/bin/env bash
# Sets everything up, builds the program and starts it under Wine in a program folder of
# its own (build/run). Uses the current display, or a private Xvfb when there is none.
set -euo pipefail
# A script named with a relative path is found from the folder the command was run in.
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win
. "$root/scripts/wine-env.sh"
make_program_folder "$root/build/run" avisynth
"$root/scripts/register-standin.sh" "$root/build/run/avisynth.dll"
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap stop_xvfb EXIT
  echo "run: no display; started Xvfb on $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
cd "$here"
wine "$root/build/run/Zandolin.exe" "$@"
