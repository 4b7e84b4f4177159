// Crucirco: tic-tac-toe against the machine or between two players.

#include <QApplication>

#include "forms/qt/qt_platform.h"
#include "shell/qt/desktop_program.h"

int main(int argc, char** argv)
{
    // On a Wayland session the windows go through XWayland where there is one, unless the player
    // names a platform: Wayland lets no window place itself, so windows would not be centred, and
    // there Qt draws title bars of its own, each with a maximise button.
    const bool throughXWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                 && !qEnvironmentVariableIsEmpty("DISPLAY")
                                 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (throughXWayland)
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    // A program the game starts, the system information viewer, chooses its own.
    if (throughXWayland)
        qunsetenv("QT_QPA_PLATFORM");
    crucirco::prepareApplication(app);
    crucirco::QtMessageBoxes boxes;
    crucirco::DesktopProgram desktop(boxes);
    desktop.program().start();
    return QApplication::exec();
}
