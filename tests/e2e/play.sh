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
for tool in Xvfb xkbcomp openbox xdotool xprop xwininfo stdbuf; do command -v $tool >/dev/null || { echo "SKIP: no $tool"; exit 77; }; done
/usr/bin/python3 -c 'import PIL.ImageGrab' 2>/dev/null || { echo "SKIP: python3-pil is not installed"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/crucirco-play.XXXXXX")
# The display goes down before the script ends, so that the next run cannot meet its remains.
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $* (display ${DISPLAY:-none})"; tail -n 20 "$work"/*.log; exit 1; }
ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
# Runs a command line every 50 ms until it prints something, left in $got; fails after $limit ms.
wait_for() {
    local end=$(($(ms) + ${limit:-10000}))
    until got=$(eval "$2" 2>/dev/null) && [ -n "$got" ]; do [ "$(ms)" -lt $end ] || fail "$1"; sleep 0.05; done
}
window() { xdotool search --onlyvisible --name "$1" | head -1; }
focused() { [ "$(xdotool getwindowfocus)" = "$1" ] && echo yes; }
# Whether a window, its frame included, stands in the middle of the 1280 x 1024 screen, to a pixel.
centred() {
    local f=($(xprop -id $1 _NET_FRAME_EXTENTS | grep -o '[0-9]\+'))
    local g=($(xwininfo -id $1 | awk '/Absolute|Width:|Height:/ { print $NF }'))
    local dx=$((2 * (g[0] - f[0]) + f[0] + g[2] + f[1] - 1280))
    local dy=$((2 * (g[1] - f[2]) + f[2] + g[3] + f[3] - 1024))
    [ ${dx#-} -le 1 ] && [ ${dy#-} -le 1 ] && echo yes
}
# A frame of one width on all four sides, so a border and no title bar; and centred.
bordered() {
    xprop -id $1 _NET_FRAME_EXTENTS | grep -o '[1-9][0-9]*' | uniq -c | grep -q '^ *4 ' && centred $1
}
# Presses keys, then waits for the window they bring up, titled $2, to be shown with the focus.
# A function key is pressed by its keycode: given F1, xdotool presses a key that holds it with the
# modifiers of the level it holds it at, and with newer keymaps (xkb-data 2.48) that was Alt+F1.
press() {
    local keys=$1
    [[ $1 == F[0-9]* ]] && keys=$(xkbcomp "$DISPLAY" - 2>/dev/null | sed -n "s/^ *<FK0*${1#F}> = \([0-9]*\);/\1/p")
    xdotool key $keys
    wait_for "$1 did not bring up \"$2\"" "window '^$2\$'"; win=$got
    wait_for "\"$2\" never took the focus" "focused $win"
}
# The nine cells of the versus board: "." empty, "X" ink where strokes meet, "O" a ring.
board() {
    /usr/bin/python3 - $(xwininfo -id $1 | awk '/Absolute|Width:|Height:/ { print $NF }') <<'EOF'
import collections, os, sys
from PIL import ImageGrab
x, y, w, h = map(int, sys.argv[1:5])
s = w / 4785  # pixels a twip; the client area, 4785 x 3840 twips, is the window under its menu bar
shot = ImageGrab.grab((x, y + h - round(3840 * s), x + w, y + h), xdisplay=os.environ["DISPLAY"]).convert("RGB")
p = lambda twips: round(twips * s)
bg = collections.Counter(shot.crop((p(2160), p(1080), p(3735), p(2640))).getdata()).most_common(1)[0][0]
ink = lambda i, j: max(abs(a - b) for a, b in zip(shot.getpixel((i, j)), bg)) > 64
def mark(n):
    left, top, height = (2160, 2760, 3360)[n % 3], (1080, 1560, 2160)[n // 3], 375 if n in (0, 8) else 495
    dots = [(i, j) for i in range(p(left) + 2, p(left + 375) - 2)
            for j in range(p(top) + 2, p(top + height) - 2) if ink(i, j)]
    if len(dots) < 3:
        return "."
    ci, cj = ((min(v) + max(v)) // 2 for v in zip(*dots))
    return "X" if any(ink(ci + a, cj + b) for a in (-1, 0, 1) for b in (-1, 0, 1)) else "O"
print("".join(map(mark, range(9))))
EOF
}
# Starts the game and waits for its first window, which must be the splash.
start() {
    t0=$(ms); PATH=$work/bin:$PATH "$game" 2>"$work/game.log" & pid=$!; pids+=($pid)
    wait_for "no window was shown" 'xdotool search --onlyvisible --pid $pid'; splash=$got
    xprop -id $splash _NET_WM_WINDOW_TYPE | grep -q SPLASH || fail "the first window is not a splash"
    wait_for "the splash is not centred with a border alone round it" "bordered $splash"
}
# The game must end within 2 s of the last key, with status 0.
ends() {
    limit=2000 wait_for "still running 2 s after the last key" 'kill -0 $pid || echo ended'
    wait $pid || fail "the game ended with status $?"
}

# The first system information viewer the game looks for, as a stand-in that says it was started.
mkdir "$work/bin" && printf '#!/bin/sh\necho started >"%s/viewer"\n' "$work" >"$work/bin/kinfocenter"
chmod +x "$work/bin/kinfocenter"
export HOME=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
# No reset when the last client goes: a client arriving during one is turned away.
Xvfb -noreset -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" & pids+=($!)
wait_for "no X display could be started" 'cat "$work/display"'; export DISPLAY=:$got
# Openbox centres a new window in the free area itself; told not to, it leaves centring to the game.
printf '<openbox_config xmlns="http://openbox.org/3.4/rc"><placement><center>no</center></placement></openbox_config>\n' >"$work/rc.xml"
openbox --sm-disable --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 & pids+=($!)
wait_for "openbox did not start" 'xprop -root _NET_SUPPORTING_WM_CHECK | grep "window id"'

start
wait_for 'no main menu "Crucirco Velquor"' "window '^Crucirco Velquor$'"; menu=$got
took=$(($(ms) - t0)); [ $took -ge 1500 ] || fail "the main menu came $took ms after start, before 1.5 s"
xdotool search --onlyvisible --pid $pid | grep -qx $splash && fail "the splash is still shown"
wait_for "the main menu never took the focus" "focused $menu"
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
wait_for "the splash never took the focus" "focused $splash"
xdotool key a
ends
shown=$(grep -o '0x[0-9a-f]*' "$work/clients" | sort -u)
[ "$shown" = "$(printf '0x%x' $splash)" ] || fail "windows other than the splash were shown: $shown"
echo "run 2 passed: a key on the splash ends the program"
