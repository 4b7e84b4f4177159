// crucirco-shots DIR [SCALE]: renders every window of the game, offscreen,
// into DIR as PNG files, so that the layouts can be looked at. SCALE is the
// device pixel ratio to render at (1 by default; 1.5 and 2 show HiDPI).

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "shell/qt/desktop_program.h"
#include "tools/scripted/scripted_platform.h"

namespace {

using namespace crucirco;

Board sampleBoard()
{
    Board board;
    board.set(0, Mark::Cross);
    board.set(4, Mark::Circle);
    board.set(8, Mark::Cross);
    board.set(2, Mark::Circle);
    return board;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: crucirco-shots DIR [SCALE]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    prepareApplication(app);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    std::ostringstream transcript;
    scripted::Boxes boxes(transcript);
    DesktopProgram desktop(boxes);
    Program& program = desktop.program();

    const Window windows[] = {Window::Splash, Window::MainMenu, Window::VersusMachine, Window::TwoPlayer,
                              Window::About};
    int failures = 0;
    for (Window window : windows) {
        program.show(window);
        if (window == Window::VersusMachine)
            program.versus()->setBoard(sampleBoard());
        if (window == Window::TwoPlayer)
            program.twoPlayer()->setBoard(sampleBoard());
        QWidget* widget = desktop.host().window(window);
        QCoreApplication::processEvents();
        const QString file = folder + QLatin1Char('/') + widget->objectName() + QStringLiteral(".png");
        if (!widget->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
    }
    return failures == 0 ? 0 : 1;
}
