// Crucirco: tic-tac-toe against the machine or between two players.

#include <QApplication>

#include "forms/qt/qt_platform.h"
#include "shell/qt/desktop_program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    crucirco::prepareApplication(app);
    crucirco::QtMessageBoxes boxes;
    crucirco::DesktopProgram desktop(boxes);
    desktop.program().start();
    return QApplication::exec();
}
