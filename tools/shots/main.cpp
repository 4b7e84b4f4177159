// crucirco-shots DIR [SCALE]: renders every window of the game, offscreen,
// into DIR as PNG files, so that the layouts can be looked at. SCALE is the
// device pixel ratio to render at; without it the windows are rendered at 1,
// 1.5 and 2 into DIR/1x, DIR/1.5x and DIR/2x, one run of this tool for each,
// since Qt reads the ratio once, when the application starts.

#include <QApplication>
#include <QDir>
#include <QProcess>
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

int renderEveryRatio(const char* program, const QString& folder)
{
    int failures = 0;
    for (const char* scale : {"1", "1.5", "2"}) {
        const QString ratio = QString::fromLatin1(scale);
        const QString into = folder + QLatin1Char('/') + ratio + QLatin1Char('x');
        if (QProcess::execute(QString::fromLocal8Bit(program), {into, ratio}) != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: crucirco-shots DIR [SCALE]\n");
        return 2;
    }
    if (argc == 2)
        return renderEveryRatio(argv[0], QString::fromLocal8Bit(argv[1]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    prepareApplication(app);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    std::ostringstream transcript;
    scripted::Boxes boxes(transcript);
    DesktopProgram desktop(boxes);
    Program& program = desktop.program();

    int failures = 0;
    for (const WindowRow& row : kWindows) {
        const Window window = row.id;
        program.show(window);
        if (window == Window::VersusMachine)
            program.form<VersusForm>()->setBoard(sampleBoard());
        if (window == Window::TwoPlayer)
            program.form<TwoPlayerForm>()->setBoard(sampleBoard());
        QWidget* widget = desktop.host().window(window);
        // Drawn as it opens: no machine reply on the sample board, no splash closing, however
        // slowly this runs, so that the pictures can be compared pixel for pixel.
        for (QTimer* timer : widget->findChildren<QTimer*>())
            timer->stop();
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
