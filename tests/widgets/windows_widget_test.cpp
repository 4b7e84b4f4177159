// The real windows on Qt's offscreen platform: each as its row of the window
// table says, the game screens played by clicks and keys with the machine
// replying on its timer, Qt's own boxes in Spanish, and the ways out of the
// program. The splash, the main menu and About are played through in the
// session test.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>

#include "forms/qt/qt_text.h"
#include "forms/qt/twips.h"
#include "tests/widgets/widget_rig.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

const QString kPressRestart = QStringLiteral("box Crucirco | Presione reiniciar para jugar una nueva partida | OK");
const QString kToMenu = QStringLiteral("box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> ");
const QString kExit = QStringLiteral("box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> ");
constexpr char kScenario[] = "CRUCIRCO_END_SCENARIO";

Board boardOf(std::string_view marks) // nine characters, 'X', 'O' or '.'
{
    Board board;
    for (int i = 0; i < 9; ++i)
        board.set(i, marks[i] == 'X' ? Mark::Cross : marks[i] == 'O' ? Mark::Circle : Mark::Empty);
    return board;
}
QTimer* timer1(const QWidget* window) { return control<QTimer>(window, QStringLiteral("Timer1")); }
// The board and the tallies, as "XXXOO.... 1/" reads.
QString state(const QWidget* window) { return boardText(window) + ' ' + text(window, "lblX") + '/' + text(window, "lblO"); }

// Keys on a window; each confirmation they raise takes the next of `answers`.
void press(ScriptedGame& game, QWidget* window, std::initializer_list<Qt::Key> keys, std::initializer_list<Answer> answers = {})
{
    for (Answer answer : answers)
        game.boxes.push(answer);
    for (Qt::Key key : keys)
        QTest::keyClick(window, key);
}

// A real box as the user sees it: title, text, icon and buttons.
QString describe(QMessageBox& box)
{
    QStringList parts{box.windowTitle(), box.text(), box.icon() == QMessageBox::NoIcon ? "no icon" : "icon"};
    for (auto which : {QMessageBox::Ok, QMessageBox::Cancel})
        if (QAbstractButton* b = box.button(which))
            parts << b->text().remove(u'&');
    return parts.join(QStringLiteral(" | "));
}

// Answers modal boxes from inside their own event loops, where the test body
// cannot reach: the next one with `answer`, which must close it; any other
// before `answered` is cleared again is noted and closed at once, so that a
// box too many fails fast instead of hanging. A fresh single shot each time:
// Qt fires no timer again while its own handler runs, and `answer` may wait.
struct BoxWatcher : QObject {
    explicit BoxWatcher(std::function<void(QMessageBox&)> first) : answer(std::move(first)) { poll(); }
    void poll()
    {
        QTimer::singleShot(10, this, [this] {
            poll();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("seen").toBool())
                return;
            box->setProperty("seen", true);
            if (std::exchange(answered, true))
                later << box->text(), box->done(QMessageBox::Cancel);
            else
                answer(*box);
        });
    }
    std::function<void(QMessageBox&)> answer;
    bool answered = false;
    QStringList later;
};

} // namespace

class WindowTests final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(*qApp); }
    // Every test keeps a window of the program open, so the program goes on.
    void cleanup() { QVERIFY(!exitRequested()); }
    void everyWindowAsItsRowSays();
    void versusMachine();
    void twoPlayers();
    void machineWinBoxHoldsTheTurn();
    void waysOut_data();
    void waysOut();
    void endScenario();
};

void WindowTests::everyWindowAsItsRowSays()
{
    ScriptedGame game;
    for (const WindowSpec& row : kWindows) {
        QWidget* window = showWindow(game.desktop, row.id);
        QVERIFY(shown(game, row.id));
        QCOMPARE(window->objectName(), toQString(row.name));
        QCOMPARE(window->windowTitle(), toQString(row.title));
        auto* main = qobject_cast<QMainWindow*>(window); // a game screen: the menu bar over the client area
        QCOMPARE((main ? main->centralWidget() : window)->size(), Twips::size(row.width, row.height));
        QVERIFY(window->size() == window->minimumSize() && window->size() == window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(flags.testFlags(Qt::FramelessWindowHint), !row.titleBar);
        QCOMPARE(flags.testFlags(Qt::WindowCloseButtonHint), row.titleBar);
        QCOMPARE(flags.testFlags(Qt::WindowMinimizeButtonHint), row.minimizeButton);
        QVERIFY(!flags.testFlags(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->windowType() == Qt::Window, row.inTaskBar);
        QStringList menu; // the keys' effects are played below
        for (const QAction* a : window->findChildren<QAction*>())
            if (auto* m = qobject_cast<QMenu*>(a->parent()); m && !a->shortcut().isEmpty())
                menu << m->title() + ": " + a->text() + ' ' + a->shortcut().toString();
        if (main)
            QCOMPARE(menu, QStringList({"&Archivo: &Jugar de nuevo F2", "&Archivo: &Menú principal F8",
                                        row.id == Window::TwoPlayer ? "&Archivo: Salir F4" : "&Archivo: &Salir F4",
                                        "Ayuda: Acerca... F1"}));
    }
}

void WindowTests::versusMachine()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer); // the program goes on while this screen is closed
    QElapsedTimer sinceOpen;
    sinceOpen.start();
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    VersusScreen& screen = *game.program().versus();
    // The machine opens a tick after the screen did; a circle comes at once,
    // the reply a tick later; an occupied cell takes nothing.
    QTRY_COMPARE(countMarks(versus, u'X'), 1);
    QVERIFY(sinceOpen.elapsed() >= 90 && !timer1(versus)->isActive());
    const int free = int(boardText(versus).indexOf(u'.'));
    clickCell(versus, free);
    QVERIFY(cell(versus, free)->text() == "O" && countMarks(versus, u'X') == 1);
    QTRY_COMPARE(countMarks(versus, u'X'), 2);
    const QString played = state(versus);
    clickCell(versus, free);
    QVERIFY(state(versus) == played && !timer1(versus)->isActive());
    const char* const levels[] = {"Dificultad baja", "Dificultad media", "Dificultad alta", "Dificultad máxima"};
    for (int level = 1; level <= 4; ++level) {
        click(button(versus, QString::fromUtf8(levels[level - 1])));
        QCOMPARE(int(screen.difficulty()), level);
    }
    // F2: a new game, opened by the machine; with "Empieza el usuario", left to the user.
    press(game, versus, {Qt::Key_F2});
    QCOMPARE(boardText(versus), QStringLiteral("........."));
    QTRY_COMPARE(countMarks(versus, u'X'), 1);
    click(button(versus, QStringLiteral("Empieza el usuario")));
    press(game, versus, {Qt::Key_F2});
    QVERIFY(boardText(versus) == "........." && !timer1(versus)->isActive());

    // The circle's line: its box and tally, no machine turn after it, no more
    // moves. F8 and F4 answered Cancel change nothing; F1 opens About beside.
    screen.setBoard(boardOf("OO.XX...."));
    for (int index : {2, 5})
        clickCell(versus, index);
    QVERIFY(!timer1(versus)->isActive());
    press(game, versus, {Qt::Key_F8, Qt::Key_F4, Qt::Key_F1}, {Answer::Cancel, Answer::Cancel});
    QCOMPARE(state(versus), QStringLiteral("OOOXX.... /1"));
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | El círculo gana!!! | OK", kPressRestart,
                                            kToMenu + "Cancel", kExit + "Cancel"}));
    QVERIFY(shown(game, Window::About) && game.window(Window::VersusMachine) == versus && versus->isVisible());

    // The title bar's close asks nothing. Shown again, the controls are as at
    // first, GameOver is as it was, and the machine opens all the same.
    versus->close();
    QVERIFY(game.takeBoxes().isEmpty() && !game.window(Window::VersusMachine) && !versus->isVisible());
    versus = showWindow(game.desktop, Window::VersusMachine);
    QCOMPARE(state(versus), QStringLiteral("......... /"));
    QVERIFY(button(versus, "Dificultad media")->isChecked() && !button(versus, "Empieza el usuario")->isChecked());
    clickCell(versus, 4);
    QCOMPARE(game.takeBoxes(), QStringList({kPressRestart}));
    QTRY_COMPARE(countMarks(versus, u'X'), 1);
    QCOMPARE(countMarks(versus, u'O'), 0);

    // F8 answered OK: the main menu, and the screen unloaded and destroyed.
    press(game, versus, {Qt::Key_F8}, {Answer::Ok});
    QPointer<QWidget> gone(versus);
    QVERIFY(shown(game, Window::MainMenu) && !game.window(Window::VersusMachine) && !versus->isVisible() && two->isVisible());
    QTRY_VERIFY(gone.isNull());
}

void WindowTests::twoPlayers()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
    for (int index : {0, 3, 1, 4, 0, 2, 8}) // the second 0 takes nothing and keeps the turn; 8 comes after the win
        clickCell(two, index);
    QCOMPARE(state(two), QStringLiteral("XXXOO.... 1/"));
    // F2: a new game, begun by the loser. Digits play the cells: the main
    // keyboard's in reading order, the keypad's as laid out (7 8 9 on top).
    press(game, two, {Qt::Key_F2});
    for (Qt::Key key : {Qt::Key_1, Qt::Key_9}) {
        QTest::keyClick(two, key);
        QTest::keyClick(two, key, Qt::KeypadModifier);
    }
    press(game, two, {Qt::Key_F8, Qt::Key_F4, Qt::Key_F1}, {Answer::Cancel, Answer::Cancel});
    QCOMPARE(state(two), QStringLiteral("O.X...X.O 1/"));
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | La cruz gana!!! | OK", kPressRestart,
                                            kToMenu + "Cancel", kExit + "Cancel"}));
    QVERIFY(shown(game, Window::About));
    // "Vs Máquina" opens the other screen beside this one; "Uno contra uno" comes back to it.
    click(button(two, QStringLiteral("Vs Máquina")));
    QWidget* versus = game.window(Window::VersusMachine);
    QVERIFY(shown(game, Window::VersusMachine) && two->isVisible());
    QTRY_COMPARE(countMarks(versus, u'X'), 1);
    click(button(versus, QStringLiteral("Uno contra uno")));
    QVERIFY(game.window(Window::TwoPlayer) == two && versus->isVisible() && state(two) == "O.X...X.O 1/");
}

// The machine's win box runs its own event loop, in which Timer1 keeps
// ticking; those ticks must not start a second machine turn. The box, and
// the confirmation after it, are Qt's own, with its Spanish buttons.
void WindowTests::machineWinBoxHoldsTheTurn()
{
    QtMessageBoxes realBoxes;
    Desktop desktop(realBoxes);
    QWidget* versus = showWindow(desktop, Window::VersusMachine);
    VersusScreen& screen = *desktop.program.versus();
    QTRY_COMPARE(countMarks(versus, u'X'), 1);
    click(button(versus, QStringLiteral("Dificultad alta"))); // completes its own line first
    screen.setBoard(boardOf("XX.O....."));
    QString seen;
    int ticks = 0, crosses = 0;
    bool inTurn = false;
    BoxWatcher watcher([&](QMessageBox& box) {
        seen = describe(box);
        crosses = countMarks(versus, u'X'); // drawn before the box opened
        // Qt sends no tick of a timer while its own handler runs; started
        // afresh, as a reloaded window's timer would be, its ticks do arrive.
        QSignalSpy spy(timer1(versus), &QTimer::timeout);
        timer1(versus)->start();
        (void)QTest::qWaitFor([&] { return spy.count() >= 3; }, 2000);
        ticks = int(spy.count());
        inTurn = screen.machineTurnInProgress();
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    clickCell(versus, 4);
    QTRY_VERIFY(watcher.answered && !QApplication::activeModalWidget());
    QCOMPARE(seen, QStringLiteral("Crucirco | La cruz gana!!! | no icon | Aceptar"));
    QVERIFY2(ticks >= 3 && inTurn && crosses == 3, qPrintable(QStringLiteral("%1 ticks, %2 crosses").arg(ticks).arg(crosses)));
    QVERIFY(watcher.later.isEmpty() && isTrue(screen.fields.GameOver) && !timer1(versus)->isActive());
    QCOMPARE(state(versus), QStringLiteral("XXXOO.... 1/"));

    watcher.answered = false;
    watcher.answer = [&](QMessageBox& box) {
        seen = describe(box);
        QTest::mouseClick(box.button(QMessageBox::Cancel), Qt::LeftButton);
    };
    versus->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(versus));
    QTest::keyClick(versus, Qt::Key_F8);
    QVERIFY(watcher.answered && watcher.later.isEmpty());
    QCOMPARE(seen, QStringLiteral("Crucirco | ¿Confirma salir de este modo? | no icon | Aceptar | Cancelar"));
    QVERIFY(desktop.window(Window::VersusMachine) == versus && !desktop.window(Window::MainMenu));
}

// The ways out end QApplication::exec(), after which no event loop runs in
// the process again; each is played in a child process, this executable run
// again with the scenario in CRUCIRCO_END_SCENARIO.
void WindowTests::waysOut_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QStringList>("report");
    const QString none = QStringLiteral("exec 0, 0 visible");
    QTest::newRow("&Salir") << "salir" << QStringList{kExit + "OK", "box Visite... | www.velquor.example | OK", none};
    QTest::newRow("a key on the splash") << "splash-key" << QStringList{none};
    QTest::newRow("Salir on the main menu") << "menu-salir" << QStringList{none};
}

void WindowTests::waysOut()
{
    QFETCH(QString, scenario);
    QFETCH(QStringList, report);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kScenario, scenario);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"endScenario", "-silent"});
    QVERIFY2(child.waitForFinished(30000), "the child did not end");
    QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n').filter(QRegularExpression("^> "));
    QCOMPARE(lines.replaceInStrings(QRegularExpression("^> "), QString()), report);
    QCOMPARE(child.exitCode(), 0);
}

// The child's side: the scenario runs inside QApplication::exec(), as in the
// game's main, with a watchdog for a program that never ends.
void WindowTests::endScenario()
{
    const QString scenario = qEnvironmentVariable(kScenario);
    if (scenario.isEmpty())
        QSKIP("played only in the child process of waysOut");
    ScriptedGame game;
    std::function<void()> play;
    if (scenario == "salir") {
        showWindow(game.desktop, Window::TwoPlayer);
        game.boxes.push(Answer::Ok);
        play = [versus = showWindow(game.desktop, Window::VersusMachine)] { QTest::keyClick(versus, Qt::Key_F4); };
    } else if (scenario == "splash-key") {
        game.program().start();
        play = [splash = game.window(Window::Splash)] { QTest::keyClick(splash, Qt::Key_A); };
    } else {
        play = [menu = showWindow(game.desktop, Window::MainMenu)] { click(button(menu, QStringLiteral("Salir"))); };
    }
    QTimer::singleShot(0, play);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    const int code = QApplication::exec();
    int visible = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        visible += widget->isVisible();
    const QStringList report = game.takeBoxes() << QStringLiteral("exec %1, %2 visible").arg(code).arg(visible);
    for (const QString& line : report)
        std::printf("> %s\n", qPrintable(line));
    std::fflush(stdout);
}

QTEST_MAIN(WindowTests)
#include "windows_widget_test.moc"
