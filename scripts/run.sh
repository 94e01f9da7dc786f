#!/usr/bin/env bash
# Sets everything up, builds the program and starts it under Wine in a program folder of
# its own (build/run). Uses the current display, or a private Xvfb when there is none.
# Usage: scripts/run.sh [--avisynth PATH] [arguments for the program]
#   Without --avisynth the program folder holds our stand-in avisynth.dll. With it, the
#   program finds the real avisynth.dll at PATH through the Windows search path (as an
#   installed AviSynth+ is found in the system folder), and .avs files go to its AVIFile handler.
set -euo pipefail
# A script named with a relative path is found from the folder the command was run in.
here=$PWD
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
avisynth=
if [ "${1:-}" = --avisynth ]; then
  avisynth=$(realpath "${2:?--avisynth needs the path of an avisynth.dll}")
  [ -f "$avisynth" ] || { echo "run: $avisynth not found" >&2; exit 1; }
  shift 2
fi
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win
. "$root/scripts/wine-env.sh"
if [ -n "$avisynth" ]; then
  make_program_folder "$root/build/run"
  rm -f "$root/build/run/avisynth.dll" "$root/build/run/avisynth-version.txt"
  dir=$(dirname "$avisynth")
  export WINEPATH="Z:${dir//\//\\}"
  "$root/scripts/register-standin.sh" --avisynth "$avisynth"
else
  make_program_folder "$root/build/run" avisynth
  "$root/scripts/register-standin.sh" "$root/build/run/avisynth.dll"
fi
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap stop_xvfb EXIT
  echo "run: no display; started Xvfb on $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
cd "$here"
wine "$root/build/run/Zandolin.exe" "$@"
