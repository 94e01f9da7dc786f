#!/usr/bin/env bash
# Starts the program on a private X server, waits for its main window and saves a
# screenshot: scripts/screenshot.sh out.png [arguments for the program]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:?output png}")
shift
. "$root/scripts/wine-env.sh"
folder="$root/build/screenshot"
rm -rf "$folder"
make_program_folder "$folder" avisynth
printf '#### encoder.ini ####\r\nend encoder.ini\r\n' > "$folder/encoder.ini"
printf '#### zandolin.ini ####\r\nend zandolin.ini\r\n' > "$folder/zandolin.ini"
start_xvfb
trap stop_xvfb EXIT
(cd "$folder" && wine ./Zandolin.exe "$@" >/dev/null 2>&1 &)
wine "$root/build/win/tests/zdriver.exe" wait-window 60
import -window root "$out"
wine "$root/build/win/tests/zdriver.exe" close 30 || true
echo "screenshot: $out"
