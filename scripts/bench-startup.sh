#!/usr/bin/env bash
# Start-up time under Wine: from process start to the idle main window, for the program with
# our stand-in, the program with a real AviSynth+, and the smallest one-window program, in the
# same run (median, fastest and slowest of N starts each, taken in turns).
# Usage: scripts/bench-startup.sh [starts (default 9)] [path of a real avisynth.dll]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
starts=${1:-9}
real=${2:-${ZANDOLIN_AVISYNTH_PLUS:-/work/shared/avisynthplus}/avisynth.dll}
[ -f "$real" ] || { echo "bench-startup: no real avisynth.dll at $real" >&2; exit 1; }
"$root/scripts/build.sh" win
. "$root/scripts/wine-env.sh"
"$root/scripts/register-standin.sh" --real "$real"
bench="$root/build/bench-startup"
rm -rf "$bench"
settings() {
  printf '#### encoder.ini ####\r\nend encoder.ini\r\n' >"$1/encoder.ini"
  printf '#### zandolin.ini ####\r\nend zandolin.ini\r\n' >"$1/zandolin.ini"
}
make_program_folder "$bench/standin" avisynth
make_program_folder "$bench/real"
cp "$real" "$bench/real/avisynth.dll"  # a build-time copy, beside the program as installed
mkdir -p "$bench/smallest"
cp "$root/build/win/tests/onewindow.exe" "$bench/smallest/"
# The test programs are built for the console subsystem; the yardstick must start as a window
# program does, so its copy is marked as one (the subsystem field of the PE optional header).
python3 - "$bench/smallest/onewindow.exe" <<'PY'
import struct, sys
with open(sys.argv[1], 'r+b') as exe:
    exe.seek(0x3c)
    pe = struct.unpack('<I', exe.read(4))[0]
    exe.seek(pe + 4 + 20 + 68)
    exe.write(struct.pack('<H', 2))
PY
settings "$bench/standin"
settings "$bench/real"
start_xvfb
trap stop_xvfb EXIT
win() { echo "Z:${1//\//\\}"; }
# One warm-up start each, so that every measured start finds Wine's server and libraries ready.
wine "$root/build/win/tests/startup_timer.exe" 1 "$(win "$bench/smallest/onewindow.exe")" \
  "$(win "$bench/standin/Zandolin.exe")" "$(win "$bench/real/Zandolin.exe")" >/dev/null
out="$bench/times.txt"
wine "$root/build/win/tests/startup_timer.exe" "$starts" "$(win "$bench/smallest/onewindow.exe")" \
  "$(win "$bench/standin/Zandolin.exe")" "$(win "$bench/real/Zandolin.exe")" >"$out"
awk -v starts="$starts" '
  NR == 1 { base = $1 }
  { name = NR == 1 ? "smallest one-window program" : NR == 2 ? "Zandolin with the stand-in" : "Zandolin with AviSynth+"
    printf "%-30s median %5d ms (fastest %d, slowest %d) %5.1fx\n", name, $1, $2, $3, $1 / base }
  END { printf "(%d starts each)\n", starts }' "$out"
