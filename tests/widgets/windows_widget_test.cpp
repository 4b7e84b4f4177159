// The real windows on Qt's offscreen platform: their fixed sizes, the game
// screens played by clicks and keys with the machine replying on its timer,
// Qt's own boxes in Spanish, and the ways out of the program: one whole
// session from the splash to "Salir", which also plays the splash, the main
// menu and About, and "Salir" on the main menu. (A key on the splash is
// played from outside, by the end-to-end runs.)

#include "crucirco/version.h"
#include "forms/qt/qt_text.h"
#include "screens/qt/versus_window.h"
#include "tests/widgets/widget_rig.h"

const QString kPressRestart = "box Crucirco | Presione reiniciar para jugar una nueva partida | OK";
const QString kToMenu = "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> ";
const QString kExit = "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> ";

QTimer* timer1(const QWidget* window)
{
    return control<QTimer>(window, "Timer1");
}
// The board, the tallies and, where there is one, whether Timer1 runs: "XXX|OO.|... 1/ waiting".
QString state(const QWidget* window)
{
    const QTimer* timer = timer1(window);
    const QString ticks = !timer ? "" : timer->isActive() ? " ticking" : " waiting";
    return boardText(window) + ' ' + text(window, "lblX") + '/' + text(window, "lblO") + ticks;
}
// Keys on a window; each confirmation they raise takes the next of `answers`.
void press(ScriptedGame& game, QWidget* window, std::initializer_list<Qt::Key> keys,
           std::initializer_list<Answer> answers = {})
{
    for (Answer answer : answers)
        game.boxes.push(answer);
    for (Qt::Key key : keys)
        QTest::keyClick(window, key);
}

// Answers each modal box, while `watcher` lives, from inside the box's own
// event loop, where the test body cannot reach; `answer` must close it. A
// fresh single shot each time: Qt fires no timer again while its own handler
// runs, and `answer` may wait.
void answerBoxes(QObject* watcher, const std::function<void(QMessageBox&)>& answer)
{
    QTimer::singleShot(10, watcher, [=] {
        answerBoxes(watcher, answer);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("seen").toBool())
            return;
        box->setProperty("seen", true);
        answer(*box);
    });
}

// How long the session waits for a window: its memcheck run asks for more.
int patience()
{
    return std::max(5000, qEnvironmentVariableIntValue("CRUCIRCO_PATIENCE"));
}

// The window the user turns to next, once it is active; none if it does not come.
QWidget* turnTo(ScriptedGame& game, Window window)
{
    if (!shown(game, window))
        return nullptr;
    game.window(window)->activateWindow();
    if (!QTest::qWaitForWindowActive(game.window(window), patience()))
        return nullptr;
    return game.window(window);
}

// One whole session as a user plays it, inside QApplication::exec() as in
// the game's main: the splash handing over to the main menu, each of the
// menu's buttons, both game screens, About, and "Salir". Its memcheck run
// plays it alone.
void playSession(ScriptedGame& game)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    game.program().start();
    QPointer<QWidget> splash = game.window(Window::Splash);
    QCOMPARE(text(splash, "lblVersion"), "Version " + toQString(version::kText));
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), patience());
    QVERIFY(shown(game, Window::MainMenu));
    QVERIFY2(sinceStart.elapsed() >= 1400, qPrintable(QString::number(sinceStart.elapsed())));
    click(button(turnTo(game, Window::MainMenu), "Vs la máquina"));
    QWidget* versus = turnTo(game, Window::VersusMachine);
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, patience());
    // "Uno contra uno" beside it; from there back to the main menu, and through its own "Uno contra uno".
    click(button(versus, "Uno contra uno"));
    press(game, turnTo(game, Window::TwoPlayer), {Qt::Key_F8}, {Answer::Ok});
    click(button(turnTo(game, Window::MainMenu), "Uno contra uno"));
    // A two-player game: the second 0 takes nothing nor the turn, 8 comes after the line. F2: a new game,
    // begun by the loser. Digits play the cells: the main keyboard's in reading order, the keypad's as laid
    // out (7 8 9 on top).
    QWidget* two = turnTo(game, Window::TwoPlayer);
    for (int index : {0, 3, 1, 4, 0, 2, 8})
        clickCell(two, index);
    QCOMPARE(state(two), "XXX|OO.|... 1/");
    press(game, two, {Qt::Key_F2});
    for (Qt::Key key : {Qt::Key_1, Qt::Key_9}) {
        QTest::keyClick(two, key);
        QTest::keyClick(two, key, Qt::KeypadModifier);
    }
    QCOMPARE(state(two), "O.X|...|X.O 1/");
    // About: its version and the viewer's one box; OK, then Escape, closes it.
    // Space presses the focused OK.
    for (Qt::Key close : {Qt::Key_Space, Qt::Key_Escape}) {
        press(game, turnTo(game, Window::TwoPlayer), {Qt::Key_F1});
        QWidget* about = turnTo(game, Window::About);
        QCOMPARE(text(about, "lblVersion"),
                 QStringLiteral("Versión %1.%2").arg(version::kMajor).arg(version::kMinor));
        click(button(about, "&Info del sisitema..."));
        QTest::keyClick(close == Qt::Key_Space ? button(about, "OK") : about, close);
        QVERIFY(!game.window(Window::About));
        QVERIFY(two->isVisible());
    }
    // The main menu's "Salir" closes it alone while a game screen is open;
    // "Salir" there, confirmed, ends the program.
    press(game, turnTo(game, Window::VersusMachine), {Qt::Key_F8}, {Answer::Ok});
    click(button(turnTo(game, Window::MainMenu), "Salir"));
    QVERIFY(!game.window(Window::MainMenu));
    QVERIFY(!game.window(Window::VersusMachine));
    QVERIFY(!game.program().ending());
    press(game, turnTo(game, Window::TwoPlayer), {Qt::Key_F4}, {Answer::Ok});
}

class WindowTests final : public QObject
{
    Q_OBJECT
private slots:
    // The program names the desktop entry the game installs, and a box over no window of the game has
    // the game's icon.
    void initTestCase()
    {
        prepareApplication(*qApp);
        const QString entry = QGuiApplication::desktopFileName() + ".desktop";
        QVERIFY2(QFile::exists(CRUCIRCO_DESKTOP_ENTRIES "/" + entry), qPrintable(entry));
        QVERIFY(!QApplication::windowIcon().isNull());
    }
    void cleanup() { QVERIFY(!exitRequested()); } // every test keeps a window open, so the program goes on

    // The start's pictures load none of Qt's image reader plugins, libjpeg and the rest (a menu bar's
    // own icon does, on the game screens, which no case before this one opens), and the main menu
    // shows the logo the splash read.
    void theStartReadsItsLogoOnceWithoutImageReaderPluginsAndMapsItsFaces()
    {
        ScriptedGame game;
        const qint64 logo =
            showWindow(game.desktop, Window::Splash)->findChild<QLabel*>("imgLogo")->pixmap().cacheKey();
        QWidget* menu = showWindow(game.desktop, Window::MainMenu);
        QCOMPARE(menu->findChild<QLabel*>("imgLogo")->pixmap().cacheKey(), logo);
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("/imageformats/"));
        // The remeasured Tahoma the main menu is drawn in, read from a file in memory.
        QVERIFY(mapped.contains("/memfd:crucirco-face"));
    }

    // No window can be resized (what the menus' keys do is played below).
    void noWindowCanBeResized()
    {
        ScriptedGame game;
        for (const WindowRow& row : kWindows) {
            QWidget* window = showWindow(game.desktop, row.id); // shown and active, or none
            QCOMPARE(window->minimumSize(), window->size());
            QCOMPARE(window->maximumSize(), window->size());
            // Minimise on the game screens alone, maximise nowhere; the splash has no title bar.
            const bool titled = window->windowType() != Qt::SplashScreen;
            const Qt::WindowFlags buttons = titled ? window->windowFlags() : Qt::WindowFlags();
            const bool gameScreen = row.id == Window::VersusMachine || row.id == Window::TwoPlayer;
            QCOMPARE(buttons.testFlag(Qt::WindowMinimizeButtonHint), gameScreen);
            QVERIFY(!buttons.testFlag(Qt::WindowMaximizeButtonHint));
        }
    }

    // Each step on a line: what the user does, then what the windows show.
    void gameScreens()
    {
        ScriptedGame game;
        QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
        // F8 and F4 answered Cancel change nothing; F1 opens About beside.
        press(game, two, {Qt::Key_F8, Qt::Key_F4, Qt::Key_F1}, {Answer::Cancel, Answer::Cancel});
        QVERIFY(shown(game, Window::TwoPlayer));
        QVERIFY(shown(game, Window::About));
        QCOMPARE(game.takeBoxes(), QStringList({kToMenu + "Cancel", kExit + "Cancel"}));

        // "Vs Máquina" beside this screen: the machine opens a tick after it
        // opened; a circle comes at once, the reply a tick later.
        QElapsedTimer sinceOpen;
        sinceOpen.start();
        click(button(two, "Vs Máquina"));
        QWidget* versus = game.window(Window::VersusMachine);
        VersusForm& screen = *game.program().form<VersusForm>();
        QVERIFY(shown(game, Window::VersusMachine));
        QVERIFY(two->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(versus));
        QTRY_COMPARE(countMarks(versus, u'X'), 1);
        QVERIFY2(sinceOpen.elapsed() >= VersusWindow::kMoveDelayMs,
                 qPrintable(QString::number(sinceOpen.elapsed())));
        QVERIFY(!timer1(versus)->isActive());
        int free = 0;
        while (!cell(versus, free)->text().isEmpty())
            ++free;
        clickCell(versus, free);
        QCOMPARE(cell(versus, free)->text(), "O");
        QCOMPARE(countMarks(versus, u'X'), 1);
        QTRY_COMPARE(countMarks(versus, u'X'), 2);
        QList<int> levels;
        for (const char* option :
             {"Dificultad baja", "Dificultad media", "Dificultad alta", "Dificultad máxima"}) {
            click(button(versus, option));
            levels << int(screen.difficulty());
        }
        QCOMPARE(levels, QList<int>({1, 2, 3, 4}));
        // F2: a new game, opened by the machine; with "Empieza el usuario", left to the user. A letter plays
        // nothing.
        press(game, versus, {Qt::Key_F2, Qt::Key_A});
        QCOMPARE(state(versus), "...|...|... / ticking");
        QTRY_COMPARE(countMarks(versus, u'X'), 1);
        click(button(versus, "Empieza el usuario"));
        press(game, versus, {Qt::Key_F2});
        QCOMPARE(state(versus), "...|...|... / waiting");
        // The circle's line: its box and tally, no machine turn, no more moves; a right click plays nothing.
        screen.setBoard(parseBoard("OO.|XX.|..."));
        QTest::mouseClick(cell(versus, 8), Qt::RightButton);
        for (int index : {2, 5})
            clickCell(versus, index);
        press(game, versus, {Qt::Key_F8, Qt::Key_F4, Qt::Key_F1}, {Answer::Cancel, Answer::Cancel});
        QCOMPARE(state(versus), "OOO|XX.|... /1 waiting");
        QVERIFY(shown(game, Window::About));
        QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | El círculo gana!!! | OK", kPressRestart,
                                                kToMenu + "Cancel", kExit + "Cancel"}));

        // The title bar's close asks nothing. Shown again, the controls are as at
        // first, GameOver as it was, and the machine opens all the same.
        versus->close();
        QCOMPARE(game.takeBoxes(), QStringList());
        QVERIFY(!game.window(Window::VersusMachine));
        QVERIFY(!versus->isVisible());
        versus = showWindow(game.desktop, Window::VersusMachine);
        QVERIFY(button(versus, "Dificultad media")->isChecked());
        QVERIFY(!button(versus, "Empieza el usuario")->isChecked());
        QCOMPARE(state(versus), "...|...|... / ticking");
        clickCell(versus, 4);
        QCOMPARE(game.takeBoxes(), QStringList({kPressRestart}));
        QTRY_COMPARE(countMarks(versus, u'X'), 1);
    }

    // The machine's win box runs its own event loop, in which Timer1 keeps
    // ticking; those ticks must not start a second machine turn. The box, and
    // the confirmation after it, are Qt's own (the pictures hold their look).
    void machineWinBoxHoldsTheTurn()
    {
        QtMessageBoxes realBoxes;
        Desktop desktop(realBoxes); // Qt's own boxes
        QWidget* versus = showWindow(desktop, Window::VersusMachine);
        VersusForm& screen = *desktop.program.form<VersusForm>();
        QTRY_COMPARE(countMarks(versus, u'X'), 1);
        click(button(versus, "Dificultad alta")); // completes its own line first
        screen.setBoard(parseBoard("XX.|O..|..."));
        QStringList seen; // each box's title and text
        int ticks = 0;
        int crosses = 0;
        QObject watcher;
        answerBoxes(&watcher, [&](QMessageBox& box) {
            seen << box.windowTitle() + " | " + box.text() + " | over " + box.parentWidget()->objectName();
            // The win box: drawn after the cross; Timer1, started afresh, ticks in
            // it (Qt sends no tick while its own handler runs).
            if (seen.size() == 1) {
                crosses = countMarks(versus, u'X');
                QSignalSpy spy(timer1(versus), &QTimer::timeout);
                timer1(versus)->start();
                ticks = QTest::qWaitFor([&] { return spy.count() >= 3; }, 2000) ? int(spy.count()) : -1;
            }
            QTest::mouseClick(
                box.button(box.button(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok),
                Qt::LeftButton);
        });
        clickCell(versus, 4);
        QTRY_VERIFY(!seen.isEmpty());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(ticks >= 3 && crosses == 3,
                 qPrintable(QStringLiteral("%1 ticks in the turn, %2 crosses").arg(ticks).arg(crosses)));
        QCOMPARE(state(versus), "XXX|OO.|... 1/ waiting");
        // About belongs to the screen that showed it, and so does a box raised there while About is
        // the active window.
        versus->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(versus));
        QTest::keyClick(versus, Qt::Key_F1);
        QWidget* about = desktop.window(Window::About);
        QTRY_COMPARE(QApplication::activeWindow(), about);
        QCOMPARE(about->windowHandle()->transientParent(), versus->windowHandle());
        versus->findChild<QAction*>("mnuPPal")->trigger(); // answered Cancel
        QCOMPARE(seen, QStringList({"Crucirco | La cruz gana!!! | over frmVSMaquina",
                                    "Crucirco | ¿Confirma salir de este modo? | over frmVSMaquina"}));
        QCOMPARE(desktop.window(Window::VersusMachine), versus);
        QVERIFY(!desktop.window(Window::MainMenu));
    }

    // The ways out end QApplication::exec(), after which no event loop runs in
    // the process again; each is played in a child process, this executable run
    // again with the scenario, the row's name, in CRUCIRCO_END_SCENARIO.
    void waysOut_data()
    {
        QTest::addColumn<QStringList>("report");
        const QString toMenu = kToMenu + "OK";
        const QString noViewer = "box Crucirco | System Information Is Unavailable At This Time | OK";
        QTest::newRow("session") << QStringList{toMenu,
                                                "box Crucirco | La cruz gana!!! | OK",
                                                kPressRestart,
                                                noViewer,
                                                noViewer,
                                                toMenu,
                                                kExit + "OK",
                                                "box Visite... | www.velquor.example | OK",
                                                "exec 0, 0 shown, 0 loaded"};
        QTest::newRow("Salir on the main menu") << QStringList{"exec 0, 0 shown, 0 loaded"};
    }

    void waysOut()
    {
        QFETCH(QStringList, report);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CRUCIRCO_END_SCENARIO", QTest::currentDataTag());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"endScenario", "-silent"});
        QVERIFY2(child.waitForFinished(60000), "the child did not end");
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput())
                     .split(u'\n')
                     .filter("@@ ")
                     .replaceInStrings("@@ ", ""),
                 report);
        QCOMPARE(child.exitCode(), 0);
    }

    // The child's side, with a watchdog for a program that does not end.
    void endScenario()
    {
        const QString scenario = qEnvironmentVariable("CRUCIRCO_END_SCENARIO");
        if (scenario.isEmpty())
            QSKIP("played only in a child process of waysOut");
        ScriptedGame game;
        QTimer::singleShot(0, [&] {
            if (scenario == "session") {
                playSession(game);
            } else {
                click(button(showWindow(game.desktop, Window::MainMenu), "Salir"));
            }
            QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
        });
        const int code = QApplication::exec();
        const auto tops = QApplication::topLevelWidgets();
        const auto shownNow = std::count_if(tops.begin(), tops.end(), [](auto* w) { return w->isVisible(); });
        QStringList report = game.takeBoxes();
        report << QStringLiteral("exec %1, %2 shown, %3 loaded")
                      .arg(code)
                      .arg(shownNow)
                      .arg(game.program().anyLoaded());
        for (const QString& line : report)
            std::printf("@@ %s\n", qPrintable(line));
        QCOMPARE(code, 0);
    }
};

QTEST_MAIN(WindowTests)
#include "windows_widget_test.moc"
