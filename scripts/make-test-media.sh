#!/usr/bin/env bash
# Makes the small media files the player tests open, with ffmpeg, into the folder given
# (default build/test-media). Every video frame n is a flat grey of luma 16 + 8n, so a test
# can tell which frame it sees; the audio is a tone. Quick when the files are there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/test-media}
mkdir -p "$out"
video="color=c=black:s=160x120:r=10:d=3,geq=lum='16+8*N':cb=128:cr=128"
tone="sine=f=440:d=3:sample_rate=48000"
make() {
  local name=$1; shift
  [ -s "$out/$name" ] && return 0
  ffmpeg -nostdin -loglevel error -y "$@" "$out/$name.tmp.${name##*.}" && mv "$out/$name.tmp.${name##*.}" "$out/$name"
}
make h264-aac.mp4 -f lavfi -i "$video" -f lavfi -i "$tone" -c:v libx264 -g 1 -pix_fmt yuv420p -c:a aac -shortest
make h264-aac.mkv -f lavfi -i "$video" -f lavfi -i "$tone" -c:v libx264 -g 1 -pix_fmt yuv420p -c:a aac -shortest
make mpeg1.mpg -f lavfi -i "$video" -f lavfi -i "$tone" -c:v mpeg1video -g 1 -q:v 2 -c:a mp2 -r 25 -shortest -f mpeg
make mpeg2.mpg -f lavfi -i "$video" -f lavfi -i "$tone" -c:v mpeg2video -g 1 -q:v 2 -c:a ac3 -r 25 -shortest -f vob
make mjpeg-pcm.avi -f lavfi -i "$video" -f lavfi -i "$tone" -c:v mjpeg -q:v 2 -c:a pcm_s16le -shortest
make tone.ac3 -f lavfi -i "$tone" -c:a ac3
make tone.wav -f lavfi -i "$tone" -c:a pcm_s16le
