#!/usr/bin/env bash
# Plays an installed Crucirco under a Wayland compositor from Debian, run headless on a display and a
# session bus of its own, as a player of that desktop meets it:
#   Over XWayland, where the game goes by itself when the session has it, qt6-wayland installed or
#   not: the splash, the main menu 1.5 s after start, "Uno contra uno" and
#   back to the menu, "Vs la máquina"; there a digit and F2 act after each box and after About is
#   closed by Escape, and F8, F4 and F1 bring theirs up; F4 and Return twice end it, status 0.
#   Natively (QT_QPA_PLATFORM=wayland), where nothing outside the compositor can send keys: the game
#   starts and is still running 3 s later.
# Usage: desktops.sh mutter|kwin GAME. Exits 77 when a tool is missing.
set -u
compositor=$1 game=$2 pids=()
. "$(dirname "$0")/helpers.sh"
if [ "${3:-}" != inside ]; then
    program=$compositor
    [ "$compositor" = kwin ] && program=kwin_wayland
    needs $program Xwayland dbus-run-session
    work=$(mktemp -d "${TMPDIR:-/tmp}/crucirco-desktops.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    export work
    alone
    # Each compositor runs the rest of this script as its session, with DISPLAY and WAYLAND_DISPLAY
    # set, and stops when it ends.
    inside=(bash "$0" "$compositor" "$game" inside)
    if [ "$compositor" = mutter ]; then
        dbus-run-session -- mutter --headless --wayland --virtual-monitor 1280x1024 -- "${inside[@]}"
    else
        # A copy, without the file capability that a process barred from it may not execute.
        cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
        dbus-run-session -- "$work/kwin_wayland" --virtual --xwayland --width 1280 --height 1024 \
            --exit-with-session "${inside[*]}"
    fi >"$work/compositor.log" 2>&1
    cat "$work/out"
    exit "$(cat "$work/status" 2>/dev/null || echo 1)"
fi

exec >"$work/out" 2>&1
echo 1 >"$work/status"
trap 'kill "${pids[@]}" 2>/dev/null; wait' EXIT

# The game's own choice on a Wayland session: XWayland, though qt6-wayland is installed here.
unset QT_QPA_PLATFORM
start
menu_comes
xdotool key space
# Debian unstable's Xwayland 24 sends XTEST's keys through libei, and its kwin 6.7 passes on none
# of them: no key from outside reaches an X window there, though a player's keyboard does.
if ! (limit=3000 wait_for "" "window '^Crucirco!!!\$'") >/dev/null && grep -q "xwayland ei" "$work/compositor.log"; then
    echo "SKIP: $compositor's Xwayland takes no XTEST keys"
    echo 77 >"$work/status"
    exit
fi
wait_for '"Crucirco!!!" never took the focus' "focused \$(window '^Crucirco!!!$')"
press F8 Crucirco
press Return "Crucirco Velquor"
press "Tab space" "Crucirco VS Máquina"; versus=$win
wait_for "the machine placed no cross alone on the board" 'board $versus | grep -x "[.]*X[.]*"'
# Each box and About closed, then a key of each kind; the digits go round the board.
digit=0
for opener in F8 F4 F1 F8; do
    [ $opener = F1 ] && shown="Acerca del autor" || shown=Crucirco
    press $opener "$shown"
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
echo "over XWayland: splash, main menu, both game screens, keys after each box and About, leaving"

export QT_QPA_PLATFORM=wayland
launch
if [ "$compositor" = kwin ]; then
    # KWin 6 calls the window list windowList, 5 clientList.
    # Runs a script in kwin, loaded over D-Bus under a name of its own (a shell's number, since
    # wait_for calls from a subshell); what it prints goes to the compositor's log.
    kwin() {
        echo "$1" >"$work/$BASHPID.js"
        dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript \
            string:"$work/$BASHPID.js" string:$BASHPID >/dev/null
        dbus-send --session --print-reply --dest=org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null
    }
    windows() {
        kwin 'print("windows: " + (workspace.windowList || workspace.clientList)().map(function (c) { return c.caption; }).join("|"));'
        sleep 0.1
        grep -a "windows: " "$work/compositor.log" | tail -1 | sed "s/.*windows: //"
    }
    wait_for "no splash natively" '[ "$(windows)" = Crucirco ] && echo shown'
    wait_for 'no main menu "Crucirco Velquor" alone natively' '[ "$(windows)" = "Crucirco Velquor" ] && echo shown'
    took=$(($(ms) - t0)); [ $took -ge 1500 ] || fail "the main menu came $took ms after start natively"
    kwin '(workspace.windowList || workspace.clientList)().forEach(function (c) { c.closeWindow(); });'
    ends
    echo "natively on Wayland: splash, main menu, closing it ends the game"
else
    sleep 3
    kill -0 $pid || fail "the game ended by itself natively on Wayland"
    echo "natively on Wayland: the game keeps running"
fi
echo 0 >"$work/status"
