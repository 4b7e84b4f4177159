// crucirco-shots DIR [SCALE]: renders every window of the game, offscreen,
// into DIR as PNG files, so that the layouts can be looked at: the game
// screens in the middle of an evening, each player with a win, and the two
// kinds of message box. SCALE is the device pixel ratio to render at;
// without it the windows are rendered at 1, 1.5 and 2 into DIR/1x, DIR/1.5x
// and DIR/2x, one run of this tool for each, since Qt reads the ratio once,
// when the application starts.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "forms/qt/qt_platform.h"
#include "screens/texts.h"
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

// Keys on a game screen, as a player types them: 1 to 9 play the cells.
void type(QWidget* window, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &press);
    }
}

// What has been played on a screen before it is drawn: on the two-player
// screen a win for each player, the cross's first, both along the top row;
// on the versus screen a harder machine that lets the user begin.
void playBefore(QWidget* window, Window id)
{
    const auto press = [window](const char* name) {
        window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    if (id == Window::TwoPlayer) {
        const std::initializer_list<Qt::Key> topRow{Qt::Key_1, Qt::Key_4, Qt::Key_2, Qt::Key_5, Qt::Key_3};
        type(window, topRow);
        press("cmdReiniciar");
        type(window, topRow);
    }
    if (id == Window::VersusMachine) {
        press("Option3");
        press("Check1");
    }
}

// A message box as the game raises it, drawn into FILE from inside its own
// event loop and then closed.
bool drawBox(const QString& file, const std::function<void(QtMessageBoxes&)>& raise)
{
    bool saved = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        saved = box && box->grab().save(file);
        if (box)
            box->done(0);
    });
    QtMessageBoxes boxes;
    raise(boxes);
    if (saved)
        std::printf("%s\n", qPrintable(file));
    else
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return saved;
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
        QWidget* widget = desktop.host().window(window);
        playBefore(widget, window);
        if (window == Window::VersusMachine)
            program.form<VersusForm>()->setBoard(sampleBoard());
        if (window == Window::TwoPlayer)
            program.form<TwoPlayerForm>()->setBoard(sampleBoard());
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
    if (!drawBox(folder + QStringLiteral("/boxInform.png"),
                 [](QtMessageBoxes& boxes) { boxes.inform(texts::kAppTitle, texts::kCrossWins); }))
        ++failures;
    if (!drawBox(folder + QStringLiteral("/boxConfirm.png"),
                 [](QtMessageBoxes& boxes) { boxes.confirm(texts::kAppTitle, texts::kConfirmExit); }))
        ++failures;
    return failures == 0 ? 0 : 1;
}
