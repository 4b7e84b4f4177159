#!/usr/bin/env bash
# Plays an installed Crucirco as a person would: on an X display of its own under a window
# manager, with real key events, reading the windows and the board back from the X server.
#   Run 1: the splash, a border alone round it; the main menu "Crucirco Velquor" 1.5 s after
#          start, the splash gone; "Vs la máquina"; the machine's first cross, and nothing more;
#          F1 "Acerca del autor", whose "Info del sisitema..." starts the viewer on the PATH; F4,
#          Return, Return on "Visite...": the program ends with status 0. Each window centred.
#   Run 2: a character key on the splash ends the program, status 0, no other window shown.
# Usage: play.sh GAME. Exits 77 when a tool is missing (scripts/install-deps installs them all).
set -u
game=$1 pids=()
. "$(dirname "$0")/helpers.sh"
needs Xvfb openbox xwininfo stdbuf
work=$(mktemp -d "${TMPDIR:-/tmp}/crucirco-play.XXXXXX")
# The display goes down before the script ends, so that the next run cannot meet its remains.
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT

# The first system information viewer the game looks for, as a stand-in that says it was started.
mkdir "$work/bin" && printf '#!/bin/sh\necho started >"%s/viewer"\n' "$work" >"$work/bin/kinfocenter"
chmod +x "$work/bin/kinfocenter"
alone
export QT_QPA_PLATFORM=xcb
# No reset when the last client goes: a client arriving during one is turned away.
Xvfb -noreset -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" & pids+=($!)
wait_for "no X display could be started" 'cat "$work/display"'; export DISPLAY=:$got
# Openbox centres a new window in the free area itself; told not to, it leaves centring to the game.
printf '<openbox_config xmlns="http://openbox.org/3.4/rc"><placement><center>no</center></placement></openbox_config>\n' >"$work/rc.xml"
openbox --sm-disable --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 & pids+=($!)
wait_for "openbox did not start" 'xprop -root _NET_SUPPORTING_WM_CHECK | grep "window id"'

start
wait_for "the splash is not centred with a border alone round it" "bordered $splash"
menu_comes
wait_for "the main menu is not centred" "centred $menu"
press "Tab space" "Crucirco VS Máquina"; versus=$win  # Tab: from "Uno contra uno", first in the tab order
[ -z "$(window '^Crucirco Velquor$')" ] || fail "the main menu is still shown beside the game"
wait_for "the game is not centred" "centred $versus"
wait_for "the machine placed no cross alone on the board" 'board $versus | grep -x "[.]*X[.]*"'; marks=$got
sleep 1; [ "$(board $versus)" = "$marks" ] || fail "the board went from $marks to $(board $versus) by itself"
press F1 "Acerca del autor"  # and has the focus: else it could take it from the game later
xdotool key Tab Return  # from OK to "Info del sisitema..."
wait_for '"Info del sisitema..." started no viewer' 'cat "$work/viewer"'
xdotool windowactivate $versus
wait_for "the game did not take the focus back" "focused $versus"
press F4 Crucirco
press Return "Visite..."
xdotool key Return
ends
echo "run 1 passed: splash, main menu, the machine's cross $marks, About, leaving"

# Every window the window manager is given from here on is written down.
stdbuf -oL xprop -root -spy _NET_CLIENT_LIST >"$work/clients" 2>/dev/null & pids+=($!)
wait_for "the window list cannot be watched" 'cat "$work/clients"'
start
wait_for "the splash is not centred with a border alone round it" "bordered $splash"
wait_for "the splash never took the focus" "focused $splash"
xdotool key a
ends
shown=$(grep -o '0x[0-9a-f]*' "$work/clients" | sort -u)
[ "$shown" = "$(printf '0x%x' $splash)" ] || fail "windows other than the splash were shown: $shown"
echo "run 2 passed: a key on the splash ends the program"
