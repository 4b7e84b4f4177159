// One whole session through the real windows, as a user plays it: the
// splash, the main menu, a game against the machine, a two-player game, the
// About dialog, and "Salir". Run plain and under memcheck; waits are long
// enough for the latter, which runs everything many times slower.

#include <QPushButton>

#include "tests/widgets/widget_rig.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

constexpr int kPatience = 60000; // ms

bool shown(ScriptedGame& game, Window window)
{
    QWidget* widget = game.window(window);
    return widget && widget->isVisible();
}

} // namespace

class SessionTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(*qApp); }
    void wholeSession();
};

void SessionTest::wholeSession()
{
    ScriptedGame game;
    game.program().start();
    QVERIFY(shown(game, Window::Splash));
    // The splash hands over to the main menu on its own timer (a key on it
    // would end the program instead).
    QTRY_VERIFY_WITH_TIMEOUT(shown(game, Window::MainMenu), kPatience);
    QVERIFY(!game.window(Window::Splash));

    QWidget* menu = game.window(Window::MainMenu);
    QVERIFY(QTest::qWaitForWindowActive(menu, kPatience));
    click(control(menu, QStringLiteral("cmdVsMaquina")));
    QVERIFY(shown(game, Window::VersusMachine));
    QWidget* versus = game.window(Window::VersusMachine);
    QVERIFY(QTest::qWaitForWindowActive(versus, kPatience));
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, kPatience);
    click(control(versus, QStringLiteral("Option3")));
    clickCell(versus, int(boardText(versus).indexOf(u'.')));
    QCOMPARE(countMarks(versus, u'O'), 1);
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 2, kPatience);

    click(control(versus, QStringLiteral("Command1"))); // "Uno contra uno", beside this screen
    QVERIFY(shown(game, Window::TwoPlayer));
    QWidget* two = game.window(Window::TwoPlayer);
    QVERIFY(QTest::qWaitForWindowActive(two, kPatience));
    for (int index : {0, 3, 1, 4, 2})
        clickCell(two, index);
    QCOMPARE(boardText(two), QStringLiteral("XXXOO...."));
    QTest::keyClick(two, Qt::Key_F2);
    QTest::keyClick(two, Qt::Key_5);
    QCOMPARE(boardText(two), QStringLiteral("....O...."));

    QTest::keyClick(two, Qt::Key_F1);
    QVERIFY(shown(game, Window::About));
    click(control(game.window(Window::About), QStringLiteral("cmdOK")));
    QVERIFY(!game.window(Window::About));

    two->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(two, kPatience));
    game.boxes.push(Answer::Ok);
    // The key's release reaches a window the ending program has closed already.
    QTest::ignoreMessage(QtWarningMsg, "Keyboard event not accepted by receiving widget");
    QTest::keyClick(two, Qt::Key_F4); // "Salir", confirmed: the program ends
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | La cruz gana!!! | OK",
                                            "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> OK",
                                            "box Visite... | www.velquor.example | OK"}));
    QVERIFY(game.program().ending());
    QVERIFY(exitRequested());
    for (Window window : {Window::Splash, Window::MainMenu, Window::VersusMachine, Window::TwoPlayer, Window::About})
        QVERIFY(!game.window(window));
}

QTEST_MAIN(SessionTest)
#include "session_test.moc"
