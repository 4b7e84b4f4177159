#!/usr/bin/env bash
# Plays the Windows game under Wine as a player would, with real key events, on an X display of its
# own under openbox, reading the windows and the board back from the X server: the splash, out of
# the task bar; the main menu 1.5 s after start; "Vs la máquina" played with the keys 1 to 9 to
# the end of a game, F2 a new one; F1 "Acerca del autor", whose "Info del sisitema..." starts the
# viewer the registry names and, with the registry's values removed, says there is none; F8 back
# to the main menu, "Uno contra uno" played to a draw, F2, and to a win; F4, Return on
# "Visite...": status 0. Started again, a key on the splash ends it. A picture of the screen at each
# window is left in SHOTS.
# Usage: play-windows.sh GAME.exe WINE WINESERVER SHOTS
set -u
exe=$1 wine=$2 wineserver=$3 shots=$4 pids=()
. "$(dirname "$0")/../e2e/helpers.sh"
needs xvfb-run openbox
if [ "${5:-}" != inside ]; then
    work=$(mktemp -d "${TMPDIR:-/tmp}/crucirco-wine.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    export work
    alone
    xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' bash "$0" "$@" inside
    exit
fi
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
trap 'timeout 30 "$wineserver" -k; kill "${pids[@]}" 2>/dev/null; wait' EXIT
openbox --sm-disable >"$work/openbox.log" 2>&1 & pids+=($!)
"$wine" wineboot -i >"$work/wineboot.log" 2>&1 || fail "Wine made no prefix"
viewer='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
"$wine" reg add "$viewer" /v PATH /t REG_SZ /d 'C:\windows\system32\winver.exe' /f >/dev/null
mkdir -p "$shots"
shot() { /usr/bin/python3 -c 'import os, sys; from PIL import ImageGrab
ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).save(sys.argv[1])' "$shots/$1.png"; }
# The game's X windows are Wine's, which gives them the pid of the process Wine runs it in.
game=$work/crucirco
printf '#!/bin/sh\nexec "%s" "%s"\n' "$wine" "$exe" >"$game" && chmod +x "$game"
# Plays the keys 1 to 9 into the first empty cell until a box says who won or the board is full.
to_the_end() {
    local cells
    until cells=$(board $1) && [[ $cells != *.* ]] || [ -n "$(window '^Crucirco$')" ]; do
        cells=${cells%%.*}
        xdotool key $((${#cells} + 1))
        sleep 0.5
    done
}

launch
# Wine's first start of a program in a new prefix can take over 10 s on a machine that has just
# installed it, with its libraries not yet read from the disk.
limit=30000 wait_for "no window was shown" 'xdotool search --onlyvisible --pid $pid'; splash=$got
xprop -id $splash _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the splash is in the task bar"
shot splash
menu_comes
shot menu
press "Tab space" "Crucirco VS Máquina"; versus=$win
wait_for "the machine placed no cross alone on the board" 'board $versus | grep -x "[.]*X[.]*"'
to_the_end $versus
shot versus
xdotool key Return
press F2 "Crucirco VS Máquina"
wait_for "F2 did not start a new game" 'board $versus | grep -x "[.]*X[.]*"'
press F1 "Acerca del autor"
xdotool key Tab Return
# Wine's winver, in a process of its own.
wait_for '"Info del sisitema..." started no viewer' "xdotool search --onlyvisible --name '^About Wine'"
shot viewer
xdotool windowclose $got
"$wine" reg delete "$viewer" /f >/dev/null
xdotool windowactivate $(window '^Acerca del autor$') key space
wait_for "no box said there is no viewer" "window '^Crucirco\$'"
shot unavailable
xdotool key Return Escape
press F8 Crucirco
press Return "Crucirco Velquor"
press space 'Crucirco!!!'; pair=$win
xdotool key 1 2 3 5 4 6 8 7 9
sleep 1; [ -z "$(window '^Crucirco$')" ] || fail "a box came after a draw"
shot draw
press F2 'Crucirco!!!'
xdotool key 1 4 2 5 3
wait_for "no box said who won" "window '^Crucirco\$'"
shot win
xdotool key Return
press F4 Crucirco
press Return "Visite..."
xdotool key Return
ends
echo "passed: splash, main menu, a game to its end against the machine, About and its viewer, a draw and a win between two, leaving"
# Wine gives a window without a caption no X focus, where Windows gives the splash the keyboard; the
# key is sent to the splash's own X window. Its release finds the splash gone with the program.
launch
wait_for "no splash was shown on the second start" 'xdotool search --onlyvisible --pid $pid'
xdotool key --window $got a 2>/dev/null
ends
