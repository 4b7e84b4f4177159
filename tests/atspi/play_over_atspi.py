# Plays one move on the real game's versus-machine screen through AT-SPI, as
# a screen reader user does, on a display of its own: presses "Vs la máquina"
# and then an empty cell by their press actions, and hears the cell's new name
# and the machine's reply arrive as events, both moves announced.
#
#     dbus-run-session -- play_over_atspi.py GAME
import ctypes, os, signal, subprocess, sys  # noqa: E401

import pyatspi
from gi.repository import GLib


signal.alarm(60)  # the watchdog: a run that hangs is ended, and fails
dies_with_this = dict(preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL))  # however this ends
xvfb = subprocess.Popen(
    ["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
    stdout=subprocess.PIPE,
    stderr=subprocess.DEVNULL,
    **dies_with_this,
)
os.environ.update(
    DISPLAY=":" + xvfb.stdout.readline().decode().strip(),
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
    QT_QPA_PLATFORM="xcb",
)  # a real display, whatever the caller runs the tests on
subprocess.Popen([sys.argv[1]], **dies_with_this)
heard = []  # the cells' new names and the announcements ("» " and the text), in order


def find(root, role, name):
    return root and pyatspi.findDescendant(root, lambda a: a.getRole() == role and name(a.name))


def start_versus():  # again and again until the main menu is there
    crucirco = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Crucirco"]
    button = crucirco and find(crucirco[0], pyatspi.ROLE_PUSH_BUTTON, lambda n: n == "Vs la máquina")
    return not (button and button.queryAction().doAction(0))


def listen(event):
    if event.source.getRole() == pyatspi.ROLE_PUSH_BUTTON and event.source.name.startswith("Fila"):
        heard.append(event.source.name)
    elif event.source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1:
        heard.append("» " + event.source[0].name)
        if any(text.endswith(": círculo") for text in heard):
            pyatspi.Registry.stop()
        else:  # the machine's first cross: play a cell of the screen found by its name
            screen = find(
                event.source.parent.parent, pyatspi.ROLE_FRAME, lambda n: n == "Crucirco VS Máquina"
            )
            find(screen, pyatspi.ROLE_PUSH_BUTTON, lambda n: n.endswith(": vacía")).queryAction().doAction(0)


pyatspi.Registry.registerEventListener(
    listen, "object:property-change:accessible-name", "object:state-changed:showing"
)
GLib.timeout_add(200, start_versus)
pyatspi.Registry.start()
print("\n".join(heard))
moves = [text[1:].split(": ") for text in heard if text.startswith("Fila") and not text.endswith("vacía")] + [
    ["?"] * 2
] * 3
sys.exit(
    0
    if [m[1] for m in moves[:4]] == ["cruz", "círculo", "cruz", "?"]
    and heard[-1] == f"» Círculo en f{moves[1][0]}. Cruz en f{moves[2][0]}"
    else 1
)
