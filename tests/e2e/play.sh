#!/usr/bin/env bash
# Plays an installed Crucirco as a person would, with real key events, reading the windows and the
# board back from the X server, on a display and a session bus of its own: under openbox on Xvfb, or
# under GNOME's compositor or KDE's, headless, from Debian's packages.
#   Over X, and over XWayland, where the game goes by itself on a Wayland session: the splash; the
#   main menu "Crucirco Velquor" 1.5 s after start, the splash gone; "Uno contra uno", and F8 and
#   Return back to the menu; "Vs la máquina" in its place; the machine's first cross. F8, F4, F1 and F8 each bring up their box or About, closed by Escape, and then a digit
#   places a circle and F2 starts a new game; in About "Info del sisitema..." starts the viewer on
#   the PATH. F4, Return, Return on "Visite...": the program ends with status 0. Under openbox every
#   window is centred, the splash with a border alone round it, and a character key on the splash
#   ends the program with no other window shown.
#   Natively on Wayland (qt6-wayland), where nothing outside the compositor can send keys: under
#   kwin the splash, then the main menu alone 1.5 s after start, neither of which may be maximised,
#   and closing it ends the game; under
#   mutter, which lists no windows to anyone, the game runs on.
# Usage: play.sh openbox|mutter|kwin GAME. Exits 77 when a tool is missing.
set -u
desktop=$1 game=$2 pids=()
. "$(dirname "$0")/helpers.sh"
if [ "${3:-}" != inside ]; then
    case $desktop in
    openbox) needs Xvfb openbox xwininfo stdbuf ;;
    kwin) needs kwin_wayland Xwayland dbus-run-session ;;
    *) needs $desktop Xwayland dbus-run-session ;;
    esac
    work=$(mktemp -d "${TMPDIR:-/tmp}/crucirco-play.XXXXXX")
    # The display goes down before the script ends, so that the next run cannot meet its remains.
    trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
    export work
    # The first system information viewer the game looks for: a stand-in saying it started, and on what.
    mkdir "$work/bin"
    printf '#!/bin/sh\necho "started${QT_QPA_PLATFORM+ on $QT_QPA_PLATFORM}" >"%s/viewer"\n' "$work" >"$work/bin/kinfocenter"
    chmod +x "$work/bin/kinfocenter"
    alone
    # The desktop runs the rest of this script as its session, with its displays set.
    inside=(bash "$0" "$desktop" "$game" inside)
    case $desktop in
    openbox)
        # No reset when the last client goes: a client arriving during one is turned away.
        Xvfb -noreset -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" & pids+=($!)
        wait_for "no X display could be started" 'cat "$work/display"'
        export DISPLAY=:$got
        # Openbox centres a new window in the free area itself; told not to, it leaves that to the game.
        printf '<openbox_config xmlns="http://openbox.org/3.4/rc"><placement><center>no</center></placement></openbox_config>\n' >"$work/rc.xml"
        openbox --sm-disable --config-file "$work/rc.xml" >"$work/desktop.log" 2>&1 & pids+=($!)
        wait_for "openbox did not start" 'xprop -root _NET_SUPPORTING_WM_CHECK | grep "window id"'
        "${inside[@]}"
        ;;
    mutter)
        dbus-run-session -- mutter --headless --wayland --virtual-monitor 1280x1024 -- "${inside[@]}" \
            >"$work/desktop.log" 2>&1
        ;;
    kwin)
        # A copy, without the file capability that a process barred from it may not execute.
        cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
        dbus-run-session -- "$work/kwin_wayland" --virtual --xwayland --width 1280 --height 1024 \
            --exit-with-session "${inside[*]}" >"$work/desktop.log" 2>&1
        ;;
    esac
    cat "$work/out"
    exit "$(cat "$work/status" 2>/dev/null || echo 1)"
fi

exec >"$work/out" 2>&1
echo 1 >"$work/status"
trap 'kill "${pids[@]}" 2>/dev/null; wait' EXIT
# Where a window stands, checked where the window manager lets the game place it: under openbox.
# Told to run natively, the game shows no X window.
through_xwayland() { [ -z "$(xdotool search --pid $pid)" ] || fail "told Wayland, the game went through XWayland"; }
centring() { [ "$desktop" != openbox ] || wait_for "$1" "$2"; }

# The game's own choice of platform.
unset QT_QPA_PLATFORM
start
centring "the splash is not centred with a border alone round it" "bordered $splash"
menu_comes
centring "the main menu is not centred" "centred $menu"
xdotool key space # "Uno contra uno", first in the tab order
# Debian unstable's Xwayland 24 sends XTEST's keys through libei, and its kwin 6.7 passes on none
# of them: no key from outside reaches an X window there, though a player's keyboard does.
if ! (limit=3000 wait_for "" "window '^Crucirco!!!\$'") >/dev/null && grep -q "xwayland ei" "$work/desktop.log"; then
    echo "SKIP: $desktop's Xwayland takes no XTEST keys"
    echo 77 >"$work/status"
    exit
fi
wait_for '"Crucirco!!!" never took the focus' "focused \$(window '^Crucirco!!!$')"
press F8 Crucirco
press Return "Crucirco Velquor"
press "Tab space" "Crucirco VS Máquina"; versus=$win
[ -z "$(window '^Crucirco Velquor$')" ] || fail "the main menu is still shown beside the game"
centring "the game is not centred" "centred $versus"
wait_for "the machine placed no cross alone on the board" 'board $versus | grep -x "[.]*X[.]*"'
# Each box and About closed, then a key of each kind; the digits go round the board.
digit=0
for opener in F8 F4 F1 F8; do
    [ $opener = F1 ] && shown="Acerca del autor" || shown=Crucirco
    press $opener "$shown"
    if [ $opener = F1 ]; then
        xdotool key Tab Return # from OK to "Info del sisitema..."
        wait_for '"Info del sisitema..." started no viewer, or told it a platform' 'grep -x started "$work/viewer"'
    fi
    xdotool key Escape
    wait_for "the game did not take the focus back from \"$shown\"" "focused $versus"
    marks=$(board $versus)
    until [ "${marks:digit:1}" = . ]; do digit=$(((digit + 1) % 9)); done
    xdotool key $((digit + 1))
    # The circle where the digit says, and maybe the machine's answer on an empty cell.
    placed=$(echo "$marks" | sed "s/./O/$((digit + 1))" | sed "s/[.]/[.X]/g")
    wait_for "key $((digit + 1)) did not act after \"$shown\" closed" 'board $versus | grep -x "$placed"'
    press F2 "Crucirco VS Máquina"
    wait_for "F2 did not start a new game after \"$shown\" closed" 'board $versus | grep -x "[.]*X[.]*"'
done
press F4 Crucirco
press Return "Visite..."
xdotool key Return
ends
echo "$desktop: splash, main menu, both game screens, keys after each box and About, its viewer, leaving"

if [ "$desktop" = openbox ]; then
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
elif [ "$desktop" = kwin ]; then
    export QT_QPA_PLATFORM=wayland
    # Under the sanitizers Qt's Wayland plugin leaves allocations of libwayland-client's behind at
    # the end, none of the game's; the game's own are checked on every other run.
    ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0 launch
    # Runs a script in kwin, loaded over D-Bus under a name of its own (a shell's number, since
    # wait_for calls from a subshell); what it prints goes to the compositor's log.
    kwin() {
        echo "$1" >"$work/$BASHPID.js"
        dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript \
            string:"$work/$BASHPID.js" string:$BASHPID >/dev/null
        dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null
    }
    # The windows' titles, each with "+" where kwin would let it be maximised; KWin 6 calls the window
    # list windowList, 5 clientList.
    windows() {
        kwin 'print("windows: " + (workspace.windowList || workspace.clientList)().map(function (c) { return c.caption + (c.maximizable ? "+" : ""); }).join("|"));'
        sleep 0.1
        grep -a "windows: " "$work/desktop.log" | tail -1 | sed "s/.*windows: //"
    }
    wait_for "no splash natively" '[ "$(windows)" = Crucirco ] && echo shown'
    wait_for 'no main menu "Crucirco Velquor" alone natively' '[ "$(windows)" = "Crucirco Velquor" ] && echo shown'
    took=$(($(ms) - t0)); [ $took -ge 1500 ] || fail "the main menu came $took ms after start natively"
    through_xwayland
    kwin '(workspace.windowList || workspace.clientList)().forEach(function (c) { c.closeWindow(); });'
    ends
else
    export QT_QPA_PLATFORM=wayland
    launch
    sleep 3
    kill -0 $pid || fail "the game ended by itself natively on Wayland"
    through_xwayland
fi
echo 0 >"$work/status"
