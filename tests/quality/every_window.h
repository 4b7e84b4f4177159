#pragma once

// The program's windows open side by side, for the checks that go over every
// control of every window.

#include "tests/widgets/widget_rig.h"

namespace crucirco::quality {

inline QList<QPointer<QWidget>> openEveryWindow(widgets::ScriptedGame& game)
{
    QList<QPointer<QWidget>> windows;
    for (const WindowSpec& row : kWindows) {
        windows << widgets::showWindow(game.desktop, row.id);
        // The splash held open: its timer would hand over to the main menu
        // while a slow run is still reading its controls.
        if (row.id == Window::Splash)
            widgets::control<QTimer>(windows.last(), QStringLiteral("Timer1"))->stop();
    }
    return windows;
}

} // namespace crucirco::quality
