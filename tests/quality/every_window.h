#pragma once

// The program's five windows open side by side, for the checks that go over
// every control of every window.

#include <QPointer>
#include <QTimer>

#include "tests/widgets/widget_rig.h"

namespace crucirco::quality {

inline QList<QPointer<QWidget>> openEveryWindow(widgets::ScriptedGame& game)
{
    QList<QPointer<QWidget>> windows;
    for (Window window : {Window::MainMenu, Window::VersusMachine, Window::TwoPlayer, Window::About})
        windows << widgets::showWindow(game.desktop, window);
    // The splash last, held open: its timer would hand over to the main menu
    // while a slow run is still reading its controls.
    QWidget* splash = widgets::showWindow(game.desktop, Window::Splash);
    if (auto* timer = widgets::control<QTimer>(splash, QStringLiteral("Timer1")))
        timer->stop();
    windows.prepend(splash);
    return windows;
}

} // namespace crucirco::quality
