# Sourced by the scripts that start Windows programs: the project's own Wine prefix,
# a silent Wine, and a null sound device (DirectShow's audio renderer needs one).
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$root/build"
if [ ! -f "$root/build/alsa-null.conf" ]; then
  printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\nctl.!default { type hw card 0 }\n' \
    > "$root/build/alsa-null.conf"
fi
export ALSA_CONFIG_PATH="$root/build/alsa-null.conf"

# Starts a private X server unless one is named in ZANDOLIN_DISPLAY; sets DISPLAY.
start_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

# The program folder: what a user unpacks, the executable with its libraries and data.
# A second argument "avisynth" adds the stand-in avisynth.dll, as if AviSynth were installed.
make_program_folder() {
  local dest=$1
  mkdir -p "$dest"
  cp -r "$root/build/win/program/"* "$dest/"
  if [ "${2:-}" = avisynth ]; then
    cp "$root/build/win/standins/avisynth.dll" "$dest/"
  fi
}
