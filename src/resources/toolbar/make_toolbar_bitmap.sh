#!/usr/bin/env bash
# Regenerates editor_toolbar.bmp: 18 images of 16x16 in one strip, in the order the toolbar
# addresses them (0 cut ... 17 comment toggle).
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
# glyph colour per image
glyphs=("X" "C" "P" "U" "R" "D" "N" "O" "S" "F" "i" "L" "?" "V" ">" "M" "E" "#")
colours=(firebrick navy darkgreen purple purple firebrick black darkorange navy teal navy teal darkgreen navy darkgreen black darkred darkgray)
args=()
for i in "${!glyphs[@]}"; do
  args+=(\( -size 16x16 xc:"#C0C0C0" -font "$font" -pointsize 12 -fill "${colours[$i]}" -gravity center
         -annotate +0+0 "${glyphs[$i]}" \))
done
convert "${args[@]}" +append -type TrueColor BMP3:editor_toolbar.bmp
