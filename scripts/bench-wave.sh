#!/usr/bin/env bash
# Speed of the wave export's writing side on 6-channel 16-bit audio (default 1 GiB), compared
# in the same run on the same disk with cp of a file of the same size (single file) and with
# ffmpeg's channelsplit filter on the same data (per-channel files).
# Usage: scripts/bench-wave.sh [MiB]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mib=${1:-1024}
scripts/build.sh native >/dev/null
command -v ffmpeg >/dev/null || apt-get install -y ffmpeg >/dev/null
dir="$root/build/bench-wave"
rm -rf "$dir" && mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

sync
out=$(build/native/bench_wave_export "$dir/" "$mib")
echo "$out"
value() { echo "$out" | awk -v k="$1" '$1 == k { print $2 }'; }
mb=$(value data_mb)
single=$(value single_seconds)
split=$(value split_seconds)

# cp of the single file (same size plus the 44-byte header).
sync
t0=$(now); cp "$dir/bench_single.wav" "$dir/cp_copy.wav"; t1=$(now)
cp_s=$(elapsed "$t0" "$t1")
rm -f "$dir/cp_copy.wav"

# ffmpeg splitting the same data into six mono files.
sync
t0=$(now)
ffmpeg -hide_banner -v error -y -i "$dir/bench_single.wav" \
  -filter_complex "channelsplit=channel_layout=5.1(side)[FL][FR][FC][LFE][SL][SR]" \
  -map "[FL]" "$dir/ff_FL.wav" -map "[FR]" "$dir/ff_FR.wav" -map "[FC]" "$dir/ff_C.wav" \
  -map "[LFE]" "$dir/ff_LFE.wav" -map "[SL]" "$dir/ff_SL.wav" -map "[SR]" "$dir/ff_SR.wav"
t1=$(now)
ff_s=$(elapsed "$t0" "$t1")

# Both splits must hold the same samples (their headers differ).
data_bytes=$(( $(stat -c %s "$dir/bench_split_FL.wav") - 44 ))
for c in FL FR C LFE SL SR; do
  cmp -s <(tail -c "$data_bytes" "$dir/ff_$c.wav") <(tail -c "$data_bytes" "$dir/bench_split_$c.wav") \
    || { echo "bench-wave: channel $c differs from ffmpeg's" >&2; exit 1; }
done

awk -v mb="$mb" -v single="$single" -v perch="$split" -v cp="$cp_s" -v ff="$ff_s" 'BEGIN {
  printf "cp              %7.3f s  %8.1f MB/s\n", cp, mb / cp
  printf "ffmpeg split    %7.3f s  %8.1f MB/s\n", ff, mb / ff
  printf "single file     %7.3f s  %8.1f MB/s  %.2fx the time of cp (goal: at most 2x)\n", single, mb / single, single / cp
  printf "per channel     %7.3f s  %8.1f MB/s  %.2fx the speed of ffmpeg (goal: at least 1x)\n", perch, mb / perch, ff / perch
}'
