#!/usr/bin/env bash
# Registers AviSynth's AVIFile handler for .avs files in the project's Wine prefix
# (HKCR\AVIFile\Extensions\AVS and the classes' InprocServer32).
# Usage: scripts/register-standin.sh [--real PATH | --avisynth PATH] [stand-in dll]
#   The stand-in (default: the build's) is always registered under its own class.
#   --real PATH      also registers a real avisynth.dll under AviSynth's own class; .avs files
#                    still go to the stand-in (tests switch between the two and switch back)
#   --avisynth PATH  registers a real avisynth.dll and hands .avs files to it
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
real= use_real=0
while [ $# -gt 0 ]; do
  case "$1" in
    --real) real=$2; shift 2 ;;
    --avisynth) real=$2; use_real=1; shift 2 ;;
    *) break ;;
  esac
done
standin=$(realpath "${1:-$root/build/win/standins/avisynth.dll}")
[ -f "$standin" ] || { echo "register-standin: $standin not found" >&2; exit 1; }
if [ -n "$real" ]; then
  real=$(realpath "$real")
  [ -f "$real" ] || { echo "register-standin: $real not found" >&2; exit 1; }
fi
standin_clsid='{5A4E4401-7C1B-4E0A-9C55-2B0D6A1F3E71}'
real_clsid='{E6D6B700-124D-11D4-86F3-DB80AFD98778}'
handler=$standin_clsid
[ "$use_real" = 1 ] && handler=$real_clsid

# Wine maps the Unix root to drive Z:; .reg files and system.reg double every backslash.
winpath() { local p="Z:${1//\//\\\\}"; echo "$p"; }

# Wanted entries as "key|value line" pairs, as system.reg holds them (HKCR is under
# Software\Classes there).
wanted=("Software\\\\Classes\\\\AVIFile\\\\Extensions\\\\AVS|@=\"$handler\""
        "Software\\\\Classes\\\\CLSID\\\\$standin_clsid\\\\InprocServer32|@=\"$(winpath "$standin")\"")
[ -n "$real" ] && wanted+=("Software\\\\Classes\\\\CLSID\\\\$real_clsid\\\\InprocServer32|@=\"$(winpath "$real")\"")

# Already registered so: nothing to do (saves a Wine start).
registered() {
  local pair key value
  [ -f "$WINEPREFIX/system.reg" ] || return 1
  for pair in "${wanted[@]}"; do
    key="[${pair%%|*}]" value=${pair#*|}
    KEY=$key VALUE=$value awk '
      index($0, ENVIRON["KEY"]) == 1 { inside = 1; next }
      /^\[/ { inside = 0 }
      inside && $0 == ENVIRON["VALUE"] { found = 1 }
      END { exit !found }' "$WINEPREFIX/system.reg" || return 1
  done
}
registered && exit 0

reg="$root/build/avisynth-handlers.reg"
{
  printf 'REGEDIT4\n\n[HKEY_CLASSES_ROOT\\AVIFile\\Extensions\\AVS]\n@="%s"\n\n' "$handler"
  printf '[HKEY_CLASSES_ROOT\\CLSID\\%s]\n@="AviSynth stand-in AVIFile handler"\n\n' "$standin_clsid"
  printf '[HKEY_CLASSES_ROOT\\CLSID\\%s\\InprocServer32]\n@="%s"\n"ThreadingModel"="Apartment"\n\n' \
    "$standin_clsid" "$(winpath "$standin")"
  if [ -n "$real" ]; then
    printf '[HKEY_CLASSES_ROOT\\CLSID\\%s]\n@="AviSynth"\n\n' "$real_clsid"
    printf '[HKEY_CLASSES_ROOT\\CLSID\\%s\\InprocServer32]\n@="%s"\n"ThreadingModel"="Apartment"\n' \
      "$real_clsid" "$(winpath "$real")"
  fi
} >"$reg"
wine regedit /S "$(echo "Z:$reg" | tr / '\\')"
# Let this Wine server end: one started without a display must not serve the programs that
# come next (they would find no display for their windows).
wineserver -w
