#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Safe to run again: each step checks whether its result is already there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"
mkdir -p "$deps"

SCITE_VERSION=5.3.3-1
SCITE_ORIG=scite_5.3.3.orig.tar.gz
SCITE_ORIG_SHA256=79275a4a7e01bf429ff05e0fd699b79dc016d705335b393905b4f2cc43799a64

packages=(
  g++ cmake ninja-build googletest
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xauth x11-utils imagemagick libx11-dev
  clang libclang-rt-14-dev
  dpkg-dev ccache
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav ffmpeg
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -q
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Scintilla comes from Debian's scite source package; we need a deb-src entry for it.
scintilla_out="$deps/scintilla"
if [ ! -f "$scintilla_out/SciLexer.dll" ]; then
  if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "setup: adding a deb-src entry for bookworm main"
    as_root tee /etc/apt/sources.list.d/zandolin-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    as_root apt-get update -q
  fi
  src="$deps/scite-src"
  mkdir -p "$src"
  if [ ! -f "$src/$SCITE_ORIG" ]; then
    (cd "$src" && apt-get source --download-only "scite=$SCITE_VERSION")
  fi
  echo "$SCITE_ORIG_SHA256  $src/$SCITE_ORIG" | sha256sum -c --quiet
  rm -rf "$src/tree" && mkdir -p "$src/tree"
  tar -xzf "$src/$SCITE_ORIG" -C "$src/tree"
  echo "setup: building SciLexer.dll"
  make -s -C "$src/tree/scintilla/win32" -j"$(nproc)" \
    CXX=x86_64-w64-mingw32-g++-posix AR=x86_64-w64-mingw32-ar \
    RANLIB=x86_64-w64-mingw32-ranlib WINDRES=x86_64-w64-mingw32-windres \
    CXXFLAGS=-Os ../bin/Scintilla.dll >/dev/null
  mkdir -p "$scintilla_out"
  cp "$src/tree/scintilla/License.txt" "$scintilla_out/License.txt"
  cp "$src/tree/scintilla/bin/Scintilla.dll" "$scintilla_out/SciLexer.dll.tmp"
  mv "$scintilla_out/SciLexer.dll.tmp" "$scintilla_out/SciLexer.dll"
fi

# A Wine prefix of the project's own, never the user's.
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
[ -f "$WINEPREFIX/system.reg" ] || { echo "setup: the Wine prefix could not be created" >&2; exit 1; }
echo "setup: ready"
