// Crucirco: tic-tac-toe against the machine or between two players.

#include <QApplication>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "forms/qt/qt_platform.h"
#include "shell/qt/desktop_program.h"

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // The start reads faces and pictures of a hundred kilobytes and more and lets them go; each time
    // glibc would raise its threshold for giving a block its own mapping to the size let go, and
    // keep the next such blocks in the heap, which never shrinks back. Its starting threshold is
    // kept instead.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
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
