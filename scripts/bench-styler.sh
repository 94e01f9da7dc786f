#!/usr/bin/env bash
# Benchmarks the script styler against the editing component's AviSynth lexer (LexAVS from the
# same source package), both built natively here. Nothing of the lexer is kept outside build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tree=build/deps/scite-src/tree
if [ ! -d "$tree/lexilla" ]; then
  mkdir -p "$tree" && tar -xzf build/deps/scite-src/scite_*.orig.tar.gz -C "$tree"
fi
out=build/bench-lexavs
mkdir -p "$out"
flags=(-std=c++20 -O2 -DNDEBUG -I"$tree/lexilla/include" -I"$tree/lexilla/lexlib" -I"$tree/scintilla/include")
lexlib=(Accessor CharacterCategory CharacterSet DefaultLexer LexAccessor LexerBase LexerModule LexerSimple
        PropSetSimple StyleContext WordList)
objects=()
for f in "${lexlib[@]}"; do
  [ -f "$out/$f.o" ] || g++ "${flags[@]}" -c "$tree/lexilla/lexlib/$f.cxx" -o "$out/$f.o"
  objects+=("$out/$f.o")
done
[ -f "$out/LexAVS.o" ] || g++ "${flags[@]}" -c "$tree/lexilla/lexers/LexAVS.cxx" -o "$out/LexAVS.o"
g++ "${flags[@]}" -Isrc bench/lexavs/styler_vs_lexavs.cpp src/editor/script_styler.cpp src/editor/function_names.cpp \
  "${objects[@]}" "$out/LexAVS.o" -o "$out/bench_styler_vs_lexavs"
"$out/bench_styler_vs_lexavs"
