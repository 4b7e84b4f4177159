// The two game screens on their real windows: mouse clicks on the cells,
// function keys on the window, the machine's timer, real message boxes.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "forms/qt/qt_platform.h"
#include "tests/widgets/widget_rig.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

const QString kPressRestart = QStringLiteral("box Crucirco | Presione reiniciar para jugar una nueva partida | OK");

Board boardOf(const char* marks) // nine characters, 'X', 'O' or '.'
{
    Board board;
    for (int i = 0; i < 9; ++i) {
        if (marks[i] == 'X')
            board.set(i, Mark::Cross);
        else if (marks[i] == 'O')
            board.set(i, Mark::Circle);
    }
    return board;
}

// The checks both game windows share: a fixed window whose client area,
// below the menu bar, has the layout's size.
void checkFrame(QWidget* window, QSize clientTwips, QSize clientAt96)
{
    auto* main = qobject_cast<QMainWindow*>(window);
    QVERIFY(main);
    QWidget* client = main->centralWidget();
    QVERIFY(client);
    QCOMPARE(client->size(), Twips::size(clientTwips.width(), clientTwips.height()));
    if (Twips::logicalDpi() == 96.0)
        QCOMPARE(client->size(), clientAt96);
    QCOMPARE(window->size(), QSize(client->width(), main->menuBar()->height() + client->height()));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
}

void checkMenu(QWidget* window, const QString& exitCaption)
{
    const QMenu* archivo = control<QMenu>(window, QStringLiteral("fef"));
    const QMenu* ayuda = control<QMenu>(window, QStringLiteral("fwefw"));
    QVERIFY(archivo && ayuda);
    QCOMPARE(archivo->title(), QStringLiteral("&Archivo"));
    QCOMPARE(ayuda->title(), QStringLiteral("Ayuda"));
    struct Item {
        const QMenu* menu;
        const char* name;
        QString caption;
        Qt::Key key;
    };
    const Item items[] = {
        {archivo, "mnuAgain", QStringLiteral("&Jugar de nuevo"), Qt::Key_F2},
        {archivo, "mnuPPal", QStringLiteral("&Menú principal"), Qt::Key_F8},
        {archivo, "mnuEnd", exitCaption, Qt::Key_F4},
        {ayuda, "mnuAbout", QStringLiteral("Acerca..."), Qt::Key_F1},
    };
    for (const Item& item : items) {
        const QAction* action = control<QAction>(window, QString::fromLatin1(item.name));
        QVERIFY2(action, item.name);
        QVERIFY2(item.menu->actions().contains(action), item.name);
        QCOMPARE(action->text(), item.caption);
        QCOMPARE(action->shortcut(), QKeySequence(item.key));
    }
    QCOMPARE(archivo->actions().size(), 3);
}

void checkCellFont(QWidget* window)
{
    for (int i = 0; i < 9; ++i) {
        const QFont font = cell(window, i)->font();
        QCOMPARE(font.family(), QStringLiteral("Tahoma"));
        QCOMPARE(font.pointSizeF(), 15.75);
        QVERIFY(!font.bold());
        QCOMPARE(cell(window, i)->alignment(), Qt::AlignCenter);
    }
    QString resolved;
    QVERIFY2(resolvedAsRegistered(cell(window, 4)->font(), &resolved), qPrintable(resolved));
    qInfo("cells: Tahoma 15.75 pt resolves to \"%s\"", qPrintable(resolved));
    QCOMPARE(control(window, QStringLiteral("Label2"))->font(), cell(window, 0)->font());
}

} // namespace

class ScreensWidgetTests final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(*qApp); }
    // Every test keeps a window of the program open, so the application goes on.
    void cleanup() { QVERIFY(!exitRequested()); }

    void versusWindowLayout();
    void twoPlayerWindowLayout();
    void versusPlaysByClicksTimerAndKeys();
    void twoPlayerPlaysByClicksAndKeys();
    void machineWinBoxHoldsTheTurn();
    void confirmationBoxReadsSpanish();
    void titleBarCloseKeepsTheFormFields();
    void closingDuringTheRandomPassLeavesTheBoard();
    void salirEndsTheProgram();
    void endScenario();
};

void ScreensWidgetTests::versusWindowLayout()
{
    ScriptedGame game;
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(versus);
    QCOMPARE(versus->objectName(), QStringLiteral("frmVSMaquina"));
    QCOMPARE(versus->windowTitle(), QStringLiteral("Crucirco VS Máquina"));
    checkFrame(versus, {4785, 3840}, {319, 256});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!(versus->windowFlags() & Qt::WindowMinimizeButtonHint));

    QCOMPARE(cell(versus, 0)->geometry(), Twips::rect(2160, 1080, 375, 375));
    QCOMPARE(cell(versus, 4)->geometry(), Twips::rect(2760, 1560, 375, 495));
    QCOMPARE(cell(versus, 8)->geometry(), Twips::rect(3360, 2160, 375, 375));
    QCOMPARE(control(versus, QStringLiteral("lblX"))->geometry(), Twips::rect(120, 840, 255, 375));
    QCOMPARE(control(versus, QStringLiteral("cmdReiniciar"))->geometry(), Twips::rect(3120, 360, 975, 495));
    QCOMPARE(control(versus, QStringLiteral("Option3"))->geometry(), Twips::rect(120, 2280, 1575, 255));
    QCOMPARE(control(versus, QStringLiteral("Check1"))->geometry(), Twips::rect(120, 3000, 2175, 375));
    checkCellFont(versus);

    QCOMPARE(boardText(versus), QStringLiteral("........."));
    QCOMPARE(labelText(versus, "Label2"), QStringLiteral("X"));
    QCOMPARE(labelText(versus, "Label3"), QStringLiteral("O"));
    QCOMPARE(labelText(versus, "lblX"), QString());
    QCOMPARE(labelText(versus, "lblO"), QString());
    QCOMPARE(control<QPushButton>(versus, QStringLiteral("cmdReiniciar"))->text(), QStringLiteral("Jugar de nuevo"));
    QCOMPARE(control<QPushButton>(versus, QStringLiteral("Command1"))->text(), QStringLiteral("Uno contra uno"));
    const char* const options[] = {"Dificultad baja", "Dificultad media", "Dificultad alta", "Dificultad máxima"};
    for (int i = 0; i < 4; ++i) {
        const auto* option = control<QRadioButton>(versus, QStringLiteral("Option%1").arg(i + 1));
        QVERIFY(option);
        QCOMPARE(option->text(), QString::fromUtf8(options[i]));
        QCOMPARE(option->isChecked(), i == 1);
    }
    const auto* check1 = control<QCheckBox>(versus, QStringLiteral("Check1"));
    QCOMPARE(check1->text(), QStringLiteral("Empieza el usuario"));
    QVERIFY(!check1->isChecked());

    QCOMPARE(tabOrder(control(versus, QStringLiteral("cmdReiniciar"))),
             QStringList({"cmdReiniciar", "Option1", "Option2", "Option3", "Command1", "Check1", "Option4"}));
    checkMenu(versus, QStringLiteral("&Salir"));
    const auto* timer1 = control<QTimer>(versus, QStringLiteral("Timer1"));
    QVERIFY(timer1);
    QCOMPARE(timer1->interval(), 100);
}

void ScreensWidgetTests::twoPlayerWindowLayout()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
    QVERIFY(two);
    QCOMPARE(two->objectName(), QStringLiteral("frmUnoVsUno"));
    QCOMPARE(two->windowTitle(), QStringLiteral("Crucirco!!!"));
    checkFrame(two, {4680, 3390}, {312, 226});
    if (QTest::currentTestFailed())
        return;
    QVERIFY(two->windowFlags() & Qt::WindowMinimizeButtonHint);

    QCOMPARE(cell(two, 0)->geometry(), Twips::rect(2160, 1080, 495, 375));
    QCOMPARE(cell(two, 5)->geometry(), Twips::rect(3360, 1560, 375, 495));
    QCOMPARE(cell(two, 8)->geometry(), Twips::rect(3360, 2160, 375, 375));
    QCOMPARE(control(two, QStringLiteral("lblO"))->geometry(), Twips::rect(600, 960, 255, 375));
    QCOMPARE(control(two, QStringLiteral("Command1"))->geometry(), Twips::rect(1800, 0, 2055, 255));
    QCOMPARE(control(two, QStringLiteral("Label1"))->geometry(), Twips::rect(120, 3000, 4335, 375));
    checkCellFont(two);
    QCOMPARE(control<QPushButton>(two, QStringLiteral("Command1"))->text(), QStringLiteral("Vs Máquina"));
    QCOMPARE(tabOrder(control(two, QStringLiteral("cmdReiniciar"))), QStringList({"cmdReiniciar", "Command1"}));
    checkMenu(two, QStringLiteral("Salir"));
    QVERIFY(!control<QTimer>(two, QStringLiteral("Timer1")));
}

void ScreensWidgetTests::versusPlaysByClicksTimerAndKeys()
{
    ScriptedGame game;
    QElapsedTimer sinceOpen;
    sinceOpen.start();
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(versus);

    // The machine opens the first game, a tick after the screen opened.
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);
    QVERIFY2(sinceOpen.elapsed() >= 90, qPrintable(QString::number(sinceOpen.elapsed())));
    QCOMPARE(game.program().versus()->fields.MoveCount, 1);
    QVERIFY(!control<QTimer>(versus, QStringLiteral("Timer1"))->isActive());

    // A circle at once, the machine's answer a tick later.
    const int free = int(boardText(versus).indexOf(u'.'));
    clickCell(versus, free);
    QCOMPARE(cell(versus, free)->text(), QStringLiteral("O"));
    QCOMPARE(countMarks(versus, u'X'), 1);
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 2, 3000);
    QCOMPARE(game.program().versus()->fields.MoveCount, 3);
    // A click on an occupied cell does nothing and shows nothing.
    const QString before = boardText(versus);
    clickCell(versus, free);
    QCOMPARE(boardText(versus), before);

    // F2: a new game, opened again by the machine.
    QTest::keyClick(versus, Qt::Key_F2);
    QCOMPARE(boardText(versus), QStringLiteral("........."));
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);
    // "Empieza el usuario" checked: the next new game waits for the user.
    click(control(versus, QStringLiteral("Check1")));
    QVERIFY(game.program().versus()->userStarts());
    QTest::keyClick(versus, Qt::Key_F2);
    QCOMPARE(boardText(versus), QStringLiteral("........."));
    QVERIFY(!control<QTimer>(versus, QStringLiteral("Timer1"))->isActive());

    // F8 answered Cancel, F4 answered Cancel: nothing changes.
    game.boxes.push(Answer::Cancel);
    QTest::keyClick(versus, Qt::Key_F8);
    game.boxes.push(Answer::Cancel);
    QTest::keyClick(versus, Qt::Key_F4);
    QCOMPARE(game.takeBoxes(),
             QStringList({"box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> Cancel",
                          "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> Cancel"}));
    QCOMPARE(game.window(Window::VersusMachine), versus);
    QVERIFY(versus->isVisible());
    QVERIFY(!game.program().ending());

    // F1: the About dialog, beside the screen.
    QTest::keyClick(versus, Qt::Key_F1);
    QVERIFY(game.window(Window::About) && game.window(Window::About)->isVisible());
    QVERIFY(versus->isVisible());

    // F8 answered OK: the main menu, and the screen unloaded.
    versus->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(versus));
    game.boxes.push(Answer::Ok);
    QTest::keyClick(versus, Qt::Key_F8);
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK"}));
    QVERIFY(game.window(Window::MainMenu) && game.window(Window::MainMenu)->isVisible());
    QVERIFY(!game.window(Window::VersusMachine));
    QPointer<QWidget> gone(versus);
    QVERIFY(!gone->isVisible());
    QTRY_VERIFY(gone.isNull());
}

void ScreensWidgetTests::twoPlayerPlaysByClicksAndKeys()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
    QVERIFY(two);
    for (int index : {0, 3, 1, 4})
        clickCell(two, index);
    QCOMPARE(boardText(two), QStringLiteral("XX.OO...."));
    clickCell(two, 0); // occupied: no mark, the turn stays with the cross
    clickCell(two, 2);
    QCOMPARE(boardText(two), QStringLiteral("XXXOO...."));
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | La cruz gana!!! | OK"}));
    QCOMPARE(labelText(two, "lblX"), QStringLiteral("1"));
    QCOMPARE(labelText(two, "lblO"), QString());
    clickCell(two, 8);
    QCOMPARE(game.takeBoxes(), QStringList({kPressRestart}));
    QCOMPARE(boardText(two), QStringLiteral("XXXOO...."));

    // F2: a new game, begun by the loser; the tally stays.
    QTest::keyClick(two, Qt::Key_F2);
    QCOMPARE(boardText(two), QStringLiteral("........."));
    clickCell(two, 4);
    QCOMPARE(cell(two, 4)->text(), QStringLiteral("O"));
    QCOMPARE(labelText(two, "lblX"), QStringLiteral("1"));

    // "Vs Máquina" opens the other screen beside this one, which keeps its game.
    click(control(two, QStringLiteral("Command1")));
    QWidget* versus = game.window(Window::VersusMachine);
    QVERIFY(versus && versus->isVisible());
    QVERIFY(two->isVisible());
    QCOMPARE(boardText(two), QStringLiteral("....O...."));
    QVERIFY(QTest::qWaitForWindowActive(versus));
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);

    // F1 on the two-player screen, then "Uno contra uno" back to it.
    two->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(two));
    QTest::keyClick(two, Qt::Key_F1);
    QVERIFY(game.window(Window::About) && game.window(Window::About)->isVisible());
    click(control(versus, QStringLiteral("Command1")));
    QCOMPARE(game.window(Window::TwoPlayer), two);
    QCOMPARE(boardText(two), QStringLiteral("....O...."));
}

// Fault 1, with the real boxes: the machine's win box runs its own event
// loop, in which Timer1 keeps ticking; those ticks must not start a second
// machine turn.
void ScreensWidgetTests::machineWinBoxHoldsTheTurn()
{
    QtMessageBoxes realBoxes;
    DesktopProgram desktop(realBoxes);
    QWidget* versus = showWindow(desktop, Window::VersusMachine);
    QVERIFY(versus);
    VersusScreen& screen = *desktop.program().versus();
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);

    click(control(versus, QStringLiteral("Option3"))); // "Dificultad alta" completes its own line first
    QCOMPARE(screen.difficulty(), Difficulty::High);
    screen.setBoard(boardOf("XX.O....."));
    auto* timer1 = control<QTimer>(versus, QStringLiteral("Timer1"));

    struct Seen {
        QString title, text, okText;
        QMessageBox::Icon icon = QMessageBox::Warning;
        int buttons = 0, crosses = 0, ownTicks = 0, ticks = 0;
        bool turnInProgress = false;
    } seen;
    ModalBoxWatcher watcher([&](QMessageBox& box) {
        seen.title = box.windowTitle();
        seen.text = box.text();
        seen.icon = box.icon();
        seen.buttons = int(box.buttons().size());
        seen.okText = box.button(QMessageBox::Ok) ? box.button(QMessageBox::Ok)->text() : QString();
        // Qt does not deliver a timer's event again while that timer's own
        // handler is still running, so Timer1 as it stands sends nothing in
        // here. Started afresh (as a restarted or reloaded window's timer
        // would be), its ticks do reach the screen in the middle of the turn.
        QSignalSpy ticks(timer1, &QTimer::timeout);
        QTest::qWait(150);
        seen.ownTicks = int(ticks.count());
        timer1->start();
        QTest::qWait(350); // the property under test: ticks arrive while the box is open
        seen.ticks = int(ticks.count()) - seen.ownTicks;
        seen.crosses = countMarks(versus, u'X');
        seen.turnInProgress = screen.machineTurnInProgress();
        if (QAbstractButton* ok = box.button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box.done(QMessageBox::Ok);
    });
    clickCell(versus, 4); // no line yet: the machine's turn follows
    QTRY_VERIFY_WITH_TIMEOUT(watcher.answered(), 5000);

    QCOMPARE(seen.title, QStringLiteral("Crucirco"));
    QCOMPARE(seen.text, QStringLiteral("La cruz gana!!!"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, 1);
    QCOMPARE(seen.okText.remove(u'&'), QStringLiteral("Aceptar"));
    qInfo("Timer1 ticks while its own handler waited on the box: %d", seen.ownTicks);
    QCOMPARE(seen.crosses, 3);
    QCOMPARE(watcher.laterBoxes(), QStringList());
    QVERIFY2(seen.ticks >= 2, qPrintable(QString::number(seen.ticks)));
    QVERIFY(seen.turnInProgress);

    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(boardText(versus), QStringLiteral("XXXOO...."));
    QCOMPARE(labelText(versus, "lblX"), QStringLiteral("1"));
    QVERIFY(isTrue(screen.fields.GameOver));
    QCOMPARE(screen.fields.MoveCount, 3); // the first cross, the circle, this one turn
    QVERIFY(!timer1->isActive());
}

void ScreensWidgetTests::confirmationBoxReadsSpanish()
{
    QtMessageBoxes realBoxes;
    DesktopProgram desktop(realBoxes);
    QWidget* versus = showWindow(desktop, Window::VersusMachine);
    QVERIFY(versus);
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);

    QString title, text, okText, cancelText;
    QMessageBox::Icon icon = QMessageBox::Warning;
    ModalBoxWatcher watcher([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        QAbstractButton* ok = box.button(QMessageBox::Ok);
        QAbstractButton* cancel = box.button(QMessageBox::Cancel);
        okText = ok ? ok->text() : QString();
        cancelText = cancel ? cancel->text() : QString();
        if (cancel)
            QTest::mouseClick(cancel, Qt::LeftButton);
        else
            box.done(QMessageBox::Cancel);
    });
    QTest::keyClick(versus, Qt::Key_F8);
    QVERIFY(watcher.answered());
    QCOMPARE(watcher.laterBoxes(), QStringList());
    QCOMPARE(title, QStringLiteral("Crucirco"));
    QCOMPARE(text, QStringLiteral("¿Confirma salir de este modo?"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(okText.remove(u'&'), QStringLiteral("Aceptar"));
    QCOMPARE(cancelText.remove(u'&'), QStringLiteral("Cancelar"));
    // Cancel: the screen stays, the main menu does not come.
    QCOMPARE(desktop.host().window(Window::VersusMachine), versus);
    QVERIFY(!desktop.host().window(Window::MainMenu));
}

void ScreensWidgetTests::titleBarCloseKeepsTheFormFields()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(two && versus);
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);
    VersusScreen& screen = *game.program().versus();
    screen.setBoard(boardOf("OO.XX...."));
    clickCell(versus, 2);
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | El círculo gana!!! | OK"}));
    QCOMPARE(labelText(versus, "lblO"), QStringLiteral("1"));

    // The title bar's close: no question, the window goes.
    versus->close();
    QVERIFY(game.takeBoxes().isEmpty());
    QVERIFY(!versus->isVisible());
    QVERIFY(!game.window(Window::VersusMachine));
    QVERIFY(isTrue(screen.fields.GameOver));

    // Back again: the controls as at first, GameOver as it was.
    QWidget* again = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(again && again != versus);
    QCOMPARE(boardText(again), QStringLiteral("........."));
    QCOMPARE(labelText(again, "lblO"), QString());
    QVERIFY(control<QRadioButton>(again, QStringLiteral("Option2"))->isChecked());
    clickCell(again, 4);
    QCOMPARE(game.takeBoxes(), QStringList({kPressRestart}));
    QCOMPARE(cell(again, 4)->text(), QString());
    // The reloaded screen's timer is enabled: the machine moves all the same.
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(again, u'X'), 1, 3000);

    // The two-player screen keeps GameOver and whose turn it is (fault 5).
    two->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(two));
    for (int index : {0, 4, 8})
        clickCell(two, index);
    QCOMPARE(boardText(two), QStringLiteral("X...O...X"));
    two->close();
    QVERIFY(!game.window(Window::TwoPlayer));
    QWidget* twoAgain = showWindow(game.desktop, Window::TwoPlayer);
    QVERIFY(twoAgain);
    QCOMPARE(boardText(twoAgain), QStringLiteral("........."));
    clickCell(twoAgain, 2);
    QCOMPARE(cell(twoAgain, 2)->text(), QStringLiteral("O"));
    QVERIFY(game.takeBoxes().isEmpty());
}

// Fault 2: the window closed by an event that the random move's pass lets
// run. The close is posted from the tick itself, just before the screen's
// handler sees it, so that it runs inside that handler's pass.
void ScreensWidgetTests::closingDuringTheRandomPassLeavesTheBoard()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(two && versus);
    VersusScreen& screen = *game.program().versus();
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 3000);
    click(control(versus, QStringLiteral("Option1")));
    QCOMPARE(screen.difficulty(), Difficulty::Low);
    clickCell(versus, int(boardText(versus).indexOf(u'.')));
    const Board before = screen.board();
    const VersusFields fieldsBefore = screen.fields;

    struct CloseOnTick final : QObject {
        QWidget* window = nullptr;
        VersusScreen* screen = nullptr;
        bool posted = false, closedInTurn = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Timer && !posted) {
                posted = true;
                QTimer::singleShot(0, window, [this] {
                    closedInTurn = screen->machineTurnInProgress();
                    window->close();
                });
            }
            return false;
        }
    } closer;
    closer.window = versus;
    closer.screen = &screen;
    control<QTimer>(versus, QStringLiteral("Timer1"))->installEventFilter(&closer);

    QPointer<QWidget> closed(versus);
    QTRY_VERIFY_WITH_TIMEOUT(!game.window(Window::VersusMachine), 3000);
    QVERIFY(closer.closedInTurn);
    QVERIFY(!screen.machineTurnInProgress());
    QVERIFY(screen.board() == before);
    QVERIFY(screen.fields == fieldsBefore);
    QVERIFY(game.takeBoxes().isEmpty());
    QTRY_VERIFY(closed.isNull());
    QVERIFY(two->isVisible());
}

void ScreensWidgetTests::salirEndsTheProgram()
{
    const ChildReport report = runEndScenario(QStringLiteral("endScenario"), QStringLiteral("salir"));
    QVERIFY2(report.finished, "the child did not finish");
    QCOMPARE(report.exitCode, 0);
    QCOMPARE(report.lines,
             QStringList({"exec 0", "visible ", "hosted ", "ending 1", "main menu created 0",
                          "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> OK",
                          "box Visite... | www.velquor.example | OK"}));
}

// The child's side of salirEndsTheProgram: both game screens open, "&Salir"
// (F4) answered OK on the versus screen.
void ScreensWidgetTests::endScenario()
{
    if (qEnvironmentVariable(kEndScenarioVariable) != QLatin1String("salir"))
        QSKIP("played only in the child process of salirEndsTheProgram");
    ScriptedGame game;
    showWindow(game.desktop, Window::TwoPlayer);
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(versus);
    game.boxes.push(Answer::Ok);
    playEndScenario(game, [versus] { QTest::keyClick(versus, Qt::Key_F4); });
}

QTEST_MAIN(ScreensWidgetTests)
#include "screens_widget_test.moc"
