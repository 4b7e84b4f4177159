#!/usr/bin/env bash
# Plays the installed Crucirco as a person would: on an X display of its own,
# with a window manager, real pointer and key events, and everything checked
# by reading the windows back from the X server.
#
# Usage: run-e2e.sh BUILD_DIR
#
# Run 1: splash, then the main menu after 1.5 s; "Vs la máquina"; the machine
#        places its first cross; F1 opens "Acerca del autor"; F4 on the game
#        asks to leave, Return confirms, Return closes "Visite...", and the
#        program ends with status 0.
# Run 2: a character key on the splash ends the program at once, and no other
#        window is ever shown.
#
# Exits 0 when both runs pass, 1 on the first failure, 77 when a tool that
# the test needs is not installed (scripts/install-deps installs them all).

set -uo pipefail
export LC_ALL=C.UTF-8

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb openbox xdotool xwininfo xprop xwd python3 stdbuf cmake; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
        exit 77
    fi
done

# The interpreter itself, not a launcher in front of it: the board is read
# many times over, and each read should be quick.
python=$(python3 -c 'import sys; print(sys.executable)')

# Each step waits at most this long for what it expects.
step_timeout_ms=10000
# The program must be gone this soon after the key that ends it.
exit_deadline_ms=2000
# The splash closes by itself this long after the program starts.
splash_ms=1500

work=$(mktemp -d "${TMPDIR:-/tmp}/crucirco-e2e.XXXXXX")
xvfb_pid=""
wm_pid=""
spy_pid=""
game_pid=""
runner_pid=""
run=0

stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    # Give it a moment to go, then make sure.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

cleanup() {
    stop "$game_pid"
    stop "$runner_pid"
    stop "$spy_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

ms() {
    local t=${EPOCHREALTIME/./}
    echo $((t / 1000))
}
started_ms=$(ms)

log() {
    local e=$(($(ms) - started_ms))
    printf '[%3d.%03d s] %s\n' $((e / 1000)) $((e % 1000)) "$*"
}

# The game's visible windows, one a line, tab-separated: id; "splash" or
# "window"; the title as a window manager shows it (_NET_WM_NAME); the title
# the program set (WM_NAME). One xprop call reads all of a window, so that
# under load a window is not looked at twice while it may be going away.
game_windows() {
    [ -n "$game_pid" ] || return 0
    local w props kind
    for w in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        props=$(xprop -id "$w" _NET_WM_WINDOW_TYPE _NET_WM_NAME WM_NAME 2>/dev/null) || continue
        kind=window
        grep -q '_NET_WM_WINDOW_TYPE_SPLASH' <<<"$props" && kind=splash
        printf '%s\t%s\t%s\t%s\n' "$w" "$kind" \
            "$(sed -n 's/^_NET_WM_NAME([A-Z_0-9]*) = "\(.*\)"$/\1/p' <<<"$props")" \
            "$(sed -n 's/^WM_NAME([A-Z_0-9]*) = *//p' <<<"$props")"
    done
}

describe_windows() {
    local list
    list=$(game_windows | awk -F '\t' '{ printf "%s%s\"%s\"", sep, ($2 == "splash" ? "(splash) " : ""), $3; sep = ", " }')
    echo "${list:-none}"
}

# The game's visible splash, if one is shown: its id, then its WM_NAME.
splash_window() {
    game_windows | awk -F '\t' '$2 == "splash" { print $1 "\t" $4; exit }'
}

# The id of the game's visible window (not the splash) with exactly this title.
named_window() {
    game_windows | awk -F '\t' -v title="$1" '$2 == "window" && $3 == title { print $1; found = 1; exit }
        END { exit !found }'
}

hex() {
    printf '0x%x' "$1"
}

focused_window() {
    xdotool getwindowfocus 2>/dev/null
}

# Polls a command until it succeeds, for at most step_timeout_ms.
wait_until() {
    local deadline=$(($(ms) + step_timeout_ms))
    while ! "$@"; do
        [ "$(ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

found=""
# Polls a command until it prints something; leaves that in $found.
wait_for_output() {
    local deadline=$(($(ms) + step_timeout_ms))
    while :; do
        found=$("$@")
        [ -z "$found" ] || return 0
        [ "$(ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

game_ended() {
    [ -s "$work/run$run.status" ]
}

has_focus() {
    [ "$(focused_window)" = "$1" ]
}

no_window_titled() {
    ! named_window "$1" >/dev/null
}

splash_gone() {
    [ -z "$(splash_window)" ]
}

# Client-area geometry as the X server has it: absolute x, y, width, height.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

fail() {
    echo
    echo "FAIL (run $run): $*"
    echo "--- the game's windows: $(describe_windows)"
    echo "--- focus: $(hex "$(focused_window)") \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\""
    echo "--- named windows on the display (id, title, class, geometry, frame):"
    xwininfo -root -tree 2>&1 | grep -E '^ *0x[0-9a-f]+ "' | sed 's/^ */    /'
    echo "--- managed windows over this run (_NET_CLIENT_LIST changes):"
    sed 's/^/    /' "$work/run$run.clients" 2>/dev/null
    echo "--- the game's standard error:"
    sed 's/^/    /' "$work/run$run.err" 2>/dev/null
    if [ -s "$work/run$run.status" ]; then
        echo "--- the game ended with status $(cat "$work/run$run.status")"
    fi
    exit 1
}

# --- the game, installed as a user would install it -------------------------

prefix=$work/prefix
log "installing $build into $prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install did not succeed"
    exit 1
fi
game=$prefix/bin/Crucirco
[ -x "$game" ] || { echo "FAIL: the install has no bin/Crucirco"; exit 1; }

# The program and the window manager get a home and runtime folder of their
# own, so that nothing of the user's session is read or written.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
export XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING

# --- an X display of our own -------------------------------------------------

# Display numbers from 70 up; one in use makes Xvfb give up at once, and the
# next is tried. Xvfb writes the number to its display fd once it is ready.
display=""
for n in $(seq 70 129); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    : >"$work/displayfd"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$work/displayfd" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    deadline=$(($(ms) + step_timeout_ms))
    while kill -0 "$xvfb_pid" 2>/dev/null && [ ! -s "$work/displayfd" ] && [ "$(ms)" -lt "$deadline" ]; do
        sleep 0.05
    done
    if [ -s "$work/displayfd" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        display=":$n"
        break
    fi
    stop "$xvfb_pid"
    xvfb_pid=""
done
[ -n "$display" ] || { cat "$work/xvfb.log"; echo "FAIL: no X display could be started on :70 to :129"; exit 1; }
export DISPLAY=$display
log "Xvfb is up on $DISPLAY (1280x1024, 24 bits)"

# A window manager, as on a desktop: it gives the input focus to the window
# that is shown or activated, frames the windows, and keeps the list of the
# windows it manages (_NET_CLIENT_LIST), which tells which windows the game
# ever mapped.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() {
    kill -0 "$wm_pid" 2>/dev/null && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
wait_until wm_ready || { cat "$work/openbox.log"; echo "FAIL: openbox did not start"; exit 1; }
log "openbox manages the display"

# Starts the game for run $run; its status lands in run$run.status when it ends.
start_game() {
    : >"$work/run$run.clients"
    stdbuf -oL xprop -root -spy _NET_CLIENT_LIST >"$work/run$run.clients" 2>/dev/null &
    spy_pid=$!
    # The spy prints the list as it stands first; the game starts after that.
    wait_until test -s "$work/run$run.clients" || fail "the window list could not be watched"
    (
        "$game" >"$work/run$run.out" 2>"$work/run$run.err" &
        echo $! >"$work/run$run.pid"
        wait $!
        echo $? >"$work/run$run.status"
    ) &
    runner_pid=$!
    game_start_ms=$(ms)
    wait_until test -s "$work/run$run.pid" || fail "the game did not start"
    game_pid=$(cat "$work/run$run.pid")
    log "started $game (pid $game_pid)"
}

# Once the game has ended: its status must be 0, no window of it may be
# left, and the runner is done with.
end_game_checks() {
    local key_ms=$1 status took
    wait_until game_ended || fail "the game is still running $((step_timeout_ms / 1000)) s after the last key"
    took=$(($(ms) - key_ms))
    status=$(cat "$work/run$run.status")
    [ "$status" = 0 ] || fail "the game ended with status $status"
    [ "$took" -le "$exit_deadline_ms" ] ||
        fail "the game took $took ms to end, more than $exit_deadline_ms ms"
    log "the game ended with status 0, $took ms after the key"
    wait "$runner_pid" 2>/dev/null
    runner_pid=""
    local left
    left=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null)
    [ -z "$left" ] || fail "windows of the game are still shown: $left"
    wait_until no_clients || fail "the window manager still manages windows: $(client_list)"
    log "no window of the game is left"
    game_pid=""
    stop "$spy_pid"
    spy_pid=""
}

no_clients() {
    [ -z "$(client_list)" ]
}

client_list() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ','
}

# Every window the window manager was ever given during this run.
clients_ever() {
    sed -n 's/.*# //p' "$work/run$run.clients" | tr ',' '\n' | tr -d ' ' | grep . | sort -u
}

# Dumps the versus window and reads its board: "grid=ok cells=....X.... ink=…".
read_board() {
    local file=$work/board.xwd
    xwd -silent -id "$1" -out "$file" 2>/dev/null || return 1
    "$python" "$here/board_marks.py" "$file"
}

# --- run 1: the way through the game ----------------------------------------

run=1
echo
log "=== run 1: splash, main menu, a game against the machine, About, leaving"
start_game

wait_for_output splash_window || fail "no splash was shown"
splash_seen_ms=$(ms)
IFS=$'\t' read -r splash splash_title <<<"$found"
log "splash shown (window $(hex "$splash")), $((splash_seen_ms - game_start_ms)) ms after start"
# The splash is given no title. The toolkit still names the window after the
# program in _NET_WM_NAME, for window lists; the title the program sets is
# WM_NAME, and that must be empty.
[ -z "${splash_title//\"/}" ] || fail "the splash has a title: WM_NAME = $splash_title"
log "the splash has no title (WM_NAME empty)"

wait_for_output named_window "Crucirco Velquor" || fail "the main menu \"Crucirco Velquor\" was not shown"
menu=$found
menu_seen_ms=$(ms)
log "main menu \"Crucirco Velquor\" shown (window $(hex "$menu")), $((menu_seen_ms - game_start_ms)) ms after start, \
$((menu_seen_ms - splash_seen_ms)) ms after the splash was seen"
splash_gone || fail "the splash is still shown beside the main menu"
log "the splash is gone; windows: $(describe_windows)"
[ $((menu_seen_ms - game_start_ms)) -ge "$splash_ms" ] ||
    fail "the main menu came $((menu_seen_ms - game_start_ms)) ms after start, before the splash's $splash_ms ms"

# The button "Vs la máquina": left 1680, top 2160, 1335 x 375 twips in the
# main menu's client area of 4680 x 3195 twips. xwininfo gives the client
# area's own origin on the screen, inside the window manager's frame.
read -r mx my mw mh < <(geometry "$menu")
click_x=$((mx + (2 * 1680 + 1335) * mw / (2 * 4680)))
click_y=$((my + (2 * 2160 + 375) * mh / (2 * 3195)))
log "main menu client area ${mw}x${mh} at ($mx,$my); clicking \"Vs la máquina\" at ($click_x,$click_y)"
xdotool mousemove --sync "$click_x" "$click_y" click 1

wait_for_output named_window "Crucirco VS Máquina" || fail "\"Crucirco VS Máquina\" was not shown after the click"
versus=$found
versus_seen_ms=$(ms)
# The board is dumped at once, before the machine's first move if possible.
first_board=$(read_board "$versus")
read -r vx vy vw vh < <(geometry "$versus")
log "\"Crucirco VS Máquina\" shown (window $(hex "$versus"), ${vw}x${vh} at ($vx,$vy)), \
$((versus_seen_ms - menu_seen_ms)) ms after the menu"
no_window_titled "Crucirco Velquor" || fail "the main menu is still shown beside the game"
log "the main menu is gone; windows: $(describe_windows)"

# The machine moves first, 100 ms after the screen opens: the board is read
# until it shows one cross and nothing else. Whether the empty board is caught
# before that depends on how soon the first dump follows the first paint, so
# it is only told.
log "board first read: ${first_board:-not painted yet}"
board=""
board_has_cross() {
    board=$(read_board "$versus") || return 1
    case $board in
        "grid=ok cells="*X*) return 0 ;;
        *) return 1 ;;
    esac
}
wait_until board_has_cross || fail "no cross appeared on the board; last read: ${board:-none}"
cross_ms=$(ms)
cells=$(sed 's/.*cells=\([^ ]*\).*/\1/' <<<"$board")
log "board now: $board ($((cross_ms - versus_seen_ms)) ms after the window was seen)"
case $first_board in
    "grid=ok cells=........."*) log "the board went from empty to one cross" ;;
    "$board") log "the first dump already showed the cross" ;;
    *) log "the first dump showed no painted board yet" ;;
esac
[ "$(tr -cd 'X' <<<"$cells" | wc -c)" = 1 ] && [ "$(tr -d 'X.' <<<"$cells")" = "" ] ||
    fail "the machine's first move should leave one cross and eight empty cells, the board reads $cells"
# The machine makes one move only: for a second, the board must stay as it is.
reads=0
while [ "$(ms)" -lt $((cross_ms + 1000)) ] || [ "$reads" -lt 3 ]; do
    sleep 0.2
    again=$(read_board "$versus") || fail "the versus window could not be dumped"
    [ "$again" = "$board" ] || fail "the board changed without a move of the user: $board, then $again"
    reads=$((reads + 1))
done
before_cross=${cells%%X*}
cell=${#before_cross}
log "one cross, in cell $cell, and the board stays so for 1 s ($reads more reads)"

wait_until has_focus "$versus" || fail "the versus window never took the input focus"
xdotool key F1
f1_ms=$(ms)
wait_for_output named_window "Acerca del autor" || fail "F1 did not open \"Acerca del autor\""
about=$found
log "F1: \"Acerca del autor\" shown (window $(hex "$about")), $(($(ms) - f1_ms)) ms after the key; windows: $(describe_windows)"

# Back to the game, as a click on it would; the window manager moves the focus.
xdotool windowactivate "$versus" 2>/dev/null
wait_until has_focus "$versus" || fail "the versus window did not take the focus back from the About dialog"
log "the versus window has the focus again"
xdotool key F4
f4_ms=$(ms)
wait_for_output named_window "Crucirco" || fail "F4 did not raise the box titled \"Crucirco\""
confirm=$found
wait_until has_focus "$confirm" || fail "the box \"Crucirco\" is shown but does not have the focus"
read -r _ _ cw ch < <(geometry "$confirm")
log "F4: box \"Crucirco\" shown (window $(hex "$confirm"), ${cw}x${ch}) with the focus, $(($(ms) - f4_ms)) ms after the key"
xdotool key Return
wait_for_output named_window "Visite..." || fail "Return on \"Crucirco\" did not bring up \"Visite...\""
visite=$found
wait_until has_focus "$visite" || fail "the box \"Visite...\" is shown but does not have the focus"
no_window_titled "Crucirco" || fail "the box \"Crucirco\" is still shown beside \"Visite...\""
log "Return: box \"Visite...\" shown (window $(hex "$visite")) with the focus; windows: $(describe_windows)"
xdotool key Return
last_key_ms=$(ms)
log "Return on \"Visite...\""
end_game_checks "$last_key_ms"
log "run 1 passed: $(clients_ever | wc -l) windows were shown in all"

# --- run 2: a key on the splash ends the program ----------------------------

run=2
echo
log "=== run 2: a character key on the splash"
start_game
wait_for_output splash_window || fail "no splash was shown"
splash=${found%%$'\t'*}
log "splash shown (window $(hex "$splash")), $(($(ms) - game_start_ms)) ms after start"
# The key has to land before the splash's own timer closes it; the focus
# is given by the window manager as soon as the splash is mapped.
wait_until has_focus "$splash" || fail "the splash never took the input focus"
log "the splash has the focus, $(($(ms) - game_start_ms)) ms after start"
xdotool key a
key_ms=$(ms)
log "pressed \"a\" on the splash, $((key_ms - game_start_ms)) ms after start"
# Had the key come after the splash's own timer, the main menu would show:
# the list of windows below tells.
end_game_checks "$key_ms"
ever=$(clients_ever)
[ "$ever" = "$(hex "$splash")" ] ||
    fail "windows other than the splash ($(hex "$splash")) were shown: $(echo "$ever" | paste -sd ' ')"
log "no window but the splash was ever shown"
log "run 2 passed"

echo
log "both runs passed"
