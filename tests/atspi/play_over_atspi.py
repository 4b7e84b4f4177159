# Plays the real game through AT-SPI, as a screen reader user does, on a
# display of its own. On the versus-machine screen: presses "Vs la máquina"
# and then an empty cell by their press actions, and hears the cell's new name
# and the machine's reply arrive as events, both moves announced. On the
# two-player screen: fills the board without a line, pressing one taken cell
# on the way, then presses the key 0, and hears the refused move, the full
# board and the board read out announced.
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


def frame(title):
    return find(pyatspi.Registry.getDesktop(0), pyatspi.ROLE_FRAME, lambda n: n == title)


def press(screen, role, name):
    find(screen, role, name).queryAction().doAction(0)


def play_two_player():  # again and again until its window is there
    screen = frame("Crucirco!!!")
    for cell in [0, 0, 1, 2, 4, 3, 5, 7, 6, 8] if screen else []:  # "X" first; no line
        press(
            screen,
            pyatspi.ROLE_PUSH_BUTTON,
            lambda n: n.startswith(f"Fila {cell // 3 + 1}, columna {cell % 3 + 1}:"),
        )
    return not screen


def announced(event):  # Qt's own announcement from 6.8 on, a notification shown before it; else None
    if event.type == "object:announcement":
        return event.any_data
    if event.source.getRole() == pyatspi.ROLE_NOTIFICATION and event.detail1:
        return event.source[0].name


def listen(event):
    message = announced(event)
    if message is not None:
        heard.append("» " + message)
        if heard[-1].startswith("» Fila 1:"):
            pyatspi.Registry.stop()
        elif heard[-1].endswith("Tablero lleno, nadie gana"):
            subprocess.run(["xdotool", "key", "0"])  # the key, as the user presses it
        elif versus:  # the two-player screen is being played
            pass
        elif any(text.endswith(": círculo") for text in heard):  # the versus screen's turn is over
            versus.extend(heard)
            press(frame("Crucirco VS Máquina"), pyatspi.ROLE_PUSH_BUTTON, lambda n: n == "Uno contra uno")
            GLib.timeout_add(200, play_two_player)
        else:  # the machine's first cross: play a cell of the screen found by its name
            press(frame("Crucirco VS Máquina"), pyatspi.ROLE_PUSH_BUTTON, lambda n: n.endswith(": vacía"))
    elif event.source.getRole() == pyatspi.ROLE_PUSH_BUTTON and event.source.name.startswith("Fila"):
        heard.append(event.source.name)


versus = []  # what was heard on the versus-machine screen
pyatspi.Registry.registerEventListener(
    listen, "object:property-change:accessible-name", "object:state-changed:showing", "object:announcement"
)
GLib.timeout_add(200, start_versus)
pyatspi.Registry.start()
print("\n".join(heard))
# Each cell's new name once: the bridge may send a name again as the window comes up.
named = dict.fromkeys(text for text in versus if text.startswith("Fila") and not text.endswith("vacía"))
moves = [text[1:].split(": ") for text in named] + [["?"] * 2] * 3
two = [text for text in heard[len(versus) :] if text.startswith("» ")]
sys.exit(
    0
    if [m[1] for m in moves[:4]] == ["cruz", "círculo", "cruz", "?"]
    and versus[-1] == f"» Círculo en f{moves[1][0]}. Cruz en f{moves[2][0]}"
    and any("Casilla ocupada: fila 1, columna 1, cruz. Círculo en fila 1, columna 2" in text for text in two)
    and two[-2].endswith("Cruz en fila 3, columna 3. Tablero lleno, nadie gana")
    and two[-1]
    == "» Fila 1: cruz, círculo, cruz. Fila 2: cruz, círculo, círculo. Fila 3: círculo, cruz, cruz. "
    "Turno del círculo. Victorias: cruz 0, círculo 0"
    else 1
)
