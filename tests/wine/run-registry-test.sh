#!/bin/sh
# Runs the registry probe under Wine in a fresh, throw-away prefix:
#   run-registry-test.sh PROBE.exe PREFIX-FOLDER WINE WINESERVER
# The viewer's path goes in with Wine's own reg tool, with spaces and a letter
# a Spanish installation may well have; the probe writes its own test values.
set -eu
probe=$1 wine=$3 wineserver=$4
export WINEPREFIX="$2" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
viewer='C:\Archivos de programa\Información del sistema\msinfo32.exe'
trap 'timeout 30 "$wineserver" -w || "$wineserver" -k' EXIT
rm -rf "$WINEPREFIX"
"$wine" wineboot -i >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log"; exit 1; }
"$wine" reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ /d "$viewer" /f
"$wine" "$probe" "$viewer"
