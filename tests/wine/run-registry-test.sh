#!/bin/sh
# Runs the registry probe under Wine in a fresh, throw-away prefix:
#   run-registry-test.sh PROBE.exe PREFIX-FOLDER WINE WINESERVER
# The probe writes its own test values.
set -eu
probe=$1 wine=$3 wineserver=$4
export WINEPREFIX="$2" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
trap 'timeout 30 "$wineserver" -w || "$wineserver" -k' EXIT
rm -rf "$WINEPREFIX"
"$wine" wineboot -i >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log"; exit 1; }
"$wine" "$probe"
