// crucirco-desktop-bench MODE [N]: the whole game on a real display, played
// by a scripted user through its real windows, for the benchmark script.
//
//   games N   plays N games against "Dificultad máxima" and prints the
//             memory in use (RSS and PSS, KiB) with the main menu shown,
//             after game 10 and after game N
//   soak N    the same with the machine answering at once, for long runs
//   reply N   N times: a click on a cell, then the time until the machine's
//             "X" is painted (milliseconds, one per line)
//   idle      opens the versus-machine screen, lets the machine make its
//             first move, prints "waiting" and then waits for the user
//
// Message boxes are answered at once with OK.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "screens/versus_form.h"
#include "shell/qt/desktop_program.h"

namespace {

using namespace crucirco;

class AnsweringBoxes final : public MessageBoxes
{
public:
    void inform(std::string_view, std::string_view) override {}
    Answer confirm(std::string_view, std::string_view) override { return Answer::Ok; }
};

// Lets events run until `done` holds; false after `limitMs`.
bool runUntil(const std::function<bool()>& done, int limitMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void printMemory(const char* when)
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    long rss = 0;
    long pss = 0;
    if (rollup.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : rollup.readAll().split('\n')) {
            if (line.startsWith("Rss:"))
                rss = line.mid(4).trimmed().split(' ').first().toLong();
            else if (line.startsWith("Pss:"))
                pss = line.mid(4).trimmed().split(' ').first().toLong();
        }
    }
    std::printf("memory %s rss=%ld pss=%ld\n", when, rss, pss);
    std::fflush(stdout);
}

void click(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

template<class T = QWidget>
T* control(QObject* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

class Bench
{
public:
    explicit Bench(DesktopProgram& desktop)
        : desktop_(desktop)
    {
    }

    bool openVersusScreen()
    {
        Program& program = desktop_.program();
        program.start();
        if (!runUntil([&] { return program.form<MainMenuForm>() && program.form<MainMenuForm>()->loaded(); }))
            return false;
        runUntil([] { return false; }, 300); // let the menu settle before measuring it
        printMemory("menu");
        control<QAbstractButton>(window(Window::MainMenu), "cmdVsMaquina")->click();
        return runUntil([&] { return window(Window::VersusMachine) != nullptr; });
    }

    VersusForm& versus() { return *desktop_.program().form<VersusForm>(); }
    QWidget* window(Window w) { return desktop_.host().window(w); }

    // One game: the machine begins, the user takes the first empty cell.
    bool playGame()
    {
        QWidget* win = window(Window::VersusMachine);
        control<QAbstractButton>(win, "cmdReiniciar")->click();
        while (!isTrue(versus().fields.GameOver) && versus().board().markCount() < 9) {
            if (!runUntil([&] { return !versus().timerEnabled(); }))
                return false;
            if (isTrue(versus().fields.GameOver) || versus().board().markCount() == 9)
                break;
            click(control(win, cellName(firstEmpty()).c_str()));
        }
        return true;
    }

    int firstEmpty()
    {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (versus().board().isEmpty(cell))
                return cell;
        }
        return -1;
    }

    static std::string cellName(int cell) { return "lbl" + std::to_string(cell); }

private:
    DesktopProgram& desktop_;
};

int playGames(Bench& bench, int games, bool atOnce)
{
    QWidget* win = bench.window(Window::VersusMachine);
    control<QAbstractButton>(win, "Option4")->click();
    if (atOnce)
        control<QTimer>(win, "Timer1")->setInterval(0);
    for (int game = 1; game <= games; ++game) {
        if (!bench.playGame()) {
            std::fprintf(stderr, "game %d did not finish\n", game);
            return 1;
        }
        if (game == 10 || game == games || (atOnce && game % 1000 == 0))
            printMemory(("game" + std::to_string(game)).c_str());
    }
    return 0;
}

// The time from a click until the machine's cross is on screen.
class PaintWatch final : public QObject
{
public:
    qint64 paintedAt = -1;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintedAt < 0
            && static_cast<QLabel*>(watched)->text() == QLatin1String("X"))
            paintedAt = clock.nsecsElapsed();
        return false;
    }
};

int measureReplies(Bench& bench, int trials)
{
    QWidget* win = bench.window(Window::VersusMachine);
    control<QAbstractButton>(win, "Check1")->click(); // the user begins each game
    PaintWatch watch;
    for (int cell = 0; cell < kCellCount; ++cell)
        control(win, Bench::cellName(cell).c_str())->installEventFilter(&watch);
    for (int trial = 0; trial < trials; ++trial) {
        control<QAbstractButton>(win, "cmdReiniciar")->click();
        runUntil([] { return false; }, 20);
        watch.paintedAt = -1;
        watch.clock.start();
        click(control(win, Bench::cellName(trial % kCellCount).c_str()));
        if (!runUntil([&] { return watch.paintedAt >= 0; }))
            return 1;
        std::printf("%.2f\n", static_cast<double>(watch.paintedAt) / 1e6);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int count = argc > 2 ? std::atoi(argv[2]) : 100;
    const QStringList modes{QStringLiteral("games"), QStringLiteral("soak"), QStringLiteral("reply"),
                            QStringLiteral("idle")};
    if (!modes.contains(mode)) {
        std::fprintf(stderr, "usage: crucirco-desktop-bench games|soak|reply|idle [N]\n");
        return 2;
    }
    prepareApplication(app);
    AnsweringBoxes boxes;
    DesktopProgram desktop(boxes);
    Bench bench(desktop);
    if (!bench.openVersusScreen()) {
        std::fprintf(stderr, "the versus-machine screen did not open\n");
        return 1;
    }
    if (mode == QLatin1String("reply"))
        return measureReplies(bench, count);
    if (mode == QLatin1String("idle")) {
        runUntil([&] { return !bench.versus().timerEnabled(); });
        std::printf("waiting\n");
        std::fflush(stdout);
        return QApplication::exec();
    }
    return playGames(bench, count, mode == QLatin1String("soak"));
}
