#!/bin/sh
# Runs the registry probe under Wine in a fresh, throw-away prefix:
#   run-registry-test.sh PROBE.exe PREFIX-FOLDER
# The viewer's path goes in with Wine's own reg tool; the probe writes its
# own test values and reads everything back.
set -eu

probe=$1
prefix=$2
wine=${CRUCIRCO_WINE:-wine}
wineserver=${CRUCIRCO_WINESERVER:-wineserver}

# Spaces and a non-ASCII letter, as a Spanish installation may well have.
viewer='C:\Archivos de programa\Información del sistema\msinfo32.exe'

export WINEPREFIX="$prefix"
export WINEARCH=win64
# Quiet, and no offer to install Mono or Gecko on the first start.
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
# Wine decodes its command line by the locale; keep it UTF-8 whatever the caller runs.
export LC_ALL=C.UTF-8
# A console program needs no display, and must not look for one.
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$prefix")"
# One run at a time per prefix, even from two ctest processes.
exec 9>"$prefix.lock"
if ! flock -w 600 9; then
    echo "another run holds $prefix.lock" >&2
    exit 1
fi

log="$prefix.log"
stop_wine() {
    # Let Wine's own processes end; kill what is left after half a minute.
    if ! timeout 30 "$wineserver" -w; then
        echo "wineserver did not end by itself; killing it" >&2
        "$wineserver" -k || true
    fi
}
trap stop_wine EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
rm -rf "$prefix"

# Without 32-bit Wine the first start complains about syswow64; that is
# harmless for a 64-bit probe, so its output goes to the log unless it fails.
if ! "$wine" wineboot -i >"$log" 2>&1; then
    cat "$log"
    echo "wineboot failed" >&2
    exit 1
fi
booted=$(date +%s)
echo "prefix created in $((booted - started)) s"

"$wine" reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ /d "$viewer" /f
"$wine" "$probe" "$viewer"
echo "probe ran in $(($(date +%s) - booted)) s"
