#!/usr/bin/env bash
# Registers the stand-in avisynth.dll as AviSynth's AVIFile handler for .avs files in the
# project's Wine prefix (HKCR\AVIFile\Extensions\AVS and the class's InprocServer32).
# Usage: scripts/register-standin.sh [path of avisynth.dll]  (default: the build's stand-in)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
dll=$(realpath "${1:-$root/build/win/standins/avisynth.dll}")
[ -f "$dll" ] || { echo "register-standin: $dll not found" >&2; exit 1; }
clsid='{5A4E4401-7C1B-4E0A-9C55-2B0D6A1F3E71}'
# Wine maps the Unix root to drive Z:; .reg files double every backslash.
winpath="Z:${dll//\//\\\\}"
# Already registered for this DLL: nothing to do (saves a Wine start). Wine keeps HKCR in
# system.reg under Software\Classes, with doubled backslashes.
key='[Software\\Classes\\CLSID\\'"$clsid"'\\InprocServer32]'
value="@=\"$winpath\""
if KEY=$key VALUE=$value awk '
     index($0, ENVIRON["KEY"]) == 1 { inside = 1; next }
     /^\[/ { inside = 0 }
     inside && $0 == ENVIRON["VALUE"] { found = 1 }
     END { exit !found }' "$WINEPREFIX/system.reg" 2>/dev/null &&
   grep -qF '[Software\\Classes\\AVIFile\\Extensions\\AVS]' "$WINEPREFIX/system.reg"; then
  exit 0
fi
reg="$root/build/avisynth-standin.reg"
cat >"$reg" <<REG
REGEDIT4

[HKEY_CLASSES_ROOT\\AVIFile\\Extensions\\AVS]
@="$clsid"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid]
@="AviSynth stand-in AVIFile handler"

[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\InprocServer32]
@="$winpath"
"ThreadingModel"="Apartment"
REG
wine regedit /S "$(echo "Z:$reg" | tr / '\\')"
# Let this Wine server end: one started without a display must not serve the programs that
# come next (they would find no display for their windows).
wineserver -w
