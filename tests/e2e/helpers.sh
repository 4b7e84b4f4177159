# What play.sh needs on every desktop: waiting, reading X windows, pressing keys, starting the game.
# Sourced; the caller sets $game and $work and keeps the pids to end in $pids.
# Exits 77, skipped, unless the tools named and those every run needs are installed.
needs() {
    for tool in "$@" xkbcomp xdotool xprop xwd; do command -v $tool >/dev/null || { echo "SKIP: no $tool"; exit 77; }; done
    /usr/bin/python3 -c 'import PIL.Image' 2>/dev/null || { echo "SKIP: python3-pil is not installed"; exit 77; }
}
# A home, runtime folder and language of the run's own, and none of the caller's displays or buses.
alone() {
    export HOME=$work XDG_RUNTIME_DIR=$work LC_ALL=C.UTF-8
    unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER QT_SCALE_FACTOR \
        QT_SCREEN_SCALE_FACTORS
}
fail() { echo "FAIL: $* (display ${DISPLAY:-none})"; tail -n 20 "$work"/*.log; exit 1; }
ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
# Runs a command line every 50 ms until it prints something, left in $got; fails after $limit ms.
wait_for() {
    local end=$(($(ms) + ${limit:-10000}))
    until got=$(eval "$2" 2>/dev/null) && [ -n "$got" ]; do [ "$(ms)" -lt $end ] || fail "$1"; sleep 0.05; done
}
# The game's own: mutter 48 draws X frames in a client of its own, titled as the windows they frame.
window() { xdotool search --all --onlyvisible --pid $pid --name "$1" | head -1; }
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
    xwd -silent -id $1 -out "$work/window.xwd" || return
    /usr/bin/python3 - "$work/window.xwd" <<'EOF'
import collections, struct, sys
from PIL import Image
# The window as xwd writes it: a header of 32-bit words, a colour map, then rows of 32-bit pixels,
# taken from the window itself, since a rootless X server under Wayland has no screen to take.
data = open(sys.argv[1], "rb").read()
head = struct.unpack(">25I", data[:100])
w, h = head[4:6]
window = Image.frombuffer("RGB", (w, h), data[head[0] + 12 * head[19] :], "raw", "BGRX", head[12])
s = w / 4785  # pixels a twip; the client area, 4785 x 3840 twips, is the window under its menu bar
shot = window.crop((0, h - round(3840 * s), w, h))
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
launch() { t0=$(ms); PATH=$work/bin:$PATH "$game" 2>"$work/game.log" & pid=$!; pids+=($pid); }
# Starts the game and waits for its first window, which must be the splash.
start() {
    launch
    wait_for "no window was shown" 'xdotool search --onlyvisible --pid $pid'; splash=$got
    xprop -id $splash _NET_WM_WINDOW_TYPE | grep -q SPLASH || fail "the first window is not a splash"
}
# The main menu comes 1.5 s after start, no sooner, in place of the splash, and takes the focus.
menu_comes() {
    wait_for 'no main menu "Crucirco Velquor"' "window '^Crucirco Velquor$'"; menu=$got
    took=$(($(ms) - t0)); [ $took -ge 1500 ] || fail "the main menu came $took ms after start, before 1.5 s"
    xdotool search --onlyvisible --pid $pid | grep -qx $splash && fail "the splash is still shown"
    wait_for "the main menu never took the focus" "focused $menu"
}
# The game ends after the last key, with status 0.
ends() {
    wait_for "still running 10 s after the last key" 'kill -0 $pid || echo ended'
    wait $pid || fail "the game ended with status $?"
}
