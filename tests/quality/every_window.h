#pragma once

// The program's windows open side by side, for the checks that go over every
// control of every window.

#include "tests/widgets/widget_rig.h"

namespace crucirco::quality {

inline QList<QPointer<QWidget>> openEveryWindow(widgets::ScriptedGame& game) {
    // The splash held open: its timer would hand over to the main menu while
    // a slow run is still reading its controls.
    game.program().show(Window::Splash), widgets::control<QTimer>(game.window(Window::Splash), "Timer1")->stop();
    QList<QPointer<QWidget>> windows;
    for (const WindowSpec& row : kWindows) windows << widgets::showWindow(game.desktop, row.id);
    return windows;
}

} // namespace crucirco::quality
