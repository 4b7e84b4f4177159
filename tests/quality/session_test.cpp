// One whole session through the real windows, as a user plays it: the
// splash handing over to the main menu, each of the menu's buttons, a game
// against the machine, a two-player game, the About dialog, and "Salir".
// Run plain and under memcheck; the waits are long enough for the latter,
// which runs everything many times slower.

#include <QElapsedTimer>

#include "crucirco/version.h"
#include "forms/qt/qt_text.h"
#include "tests/widgets/widget_rig.h"

using namespace crucirco;
using namespace crucirco::widgets;

constexpr int kPatience = 60000; // ms

// The window the user turns to next, once it is active.
QWidget* turnTo(ScriptedGame& game, Window window)
{
    if (QWidget* widget = game.window(window); widget && (widget->activateWindow(), QTest::qWaitForWindowActive(widget, kPatience)))
        return widget;
    qWarning("window %s is not there", windowName(window).data());
    return nullptr;
}

class SessionTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(*qApp); }
    void wholeSession();
};

void SessionTest::wholeSession()
{
    ScriptedGame game;
    QElapsedTimer sinceStart;
    sinceStart.start();
    game.program().start();
    QPointer<QWidget> splash = game.window(Window::Splash);
    QCOMPARE(text(splash, "lblVersion"), "Version " + toQString(version::kText));
    // The splash hands over to the main menu on its own timer (a key on it
    // would end the program instead).
    QTRY_VERIFY_WITH_TIMEOUT(shown(game, Window::MainMenu) && !game.window(Window::Splash), kPatience);
    QVERIFY2(sinceStart.elapsed() >= 1400, qPrintable(QString::number(sinceStart.elapsed())));
    QTRY_VERIFY(splash.isNull());

    click(button(turnTo(game, Window::MainMenu), QStringLiteral("Vs la máquina")));
    QWidget* versus = turnTo(game, Window::VersusMachine);
    QVERIFY(versus && !game.window(Window::MainMenu));
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, kPatience);
    click(button(versus, QStringLiteral("Dificultad alta")));
    clickCell(versus, int(boardText(versus).indexOf(u'.')));
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 2, kPatience);

    // "Uno contra uno" beside this screen; from there back to the main menu
    // and through its own "Uno contra uno" to a fresh one.
    click(button(versus, QStringLiteral("Uno contra uno")));
    game.boxes.push(Answer::Ok);
    QTest::keyClick(turnTo(game, Window::TwoPlayer), Qt::Key_F8);
    click(button(turnTo(game, Window::MainMenu), QStringLiteral("Uno contra uno")));
    QWidget* two = turnTo(game, Window::TwoPlayer);
    QVERIFY(two && !game.window(Window::MainMenu));
    for (int index : {0, 3, 1, 4, 2})
        clickCell(two, index);
    QTest::keyClick(two, Qt::Key_F2);
    QTest::keyClick(two, Qt::Key_5);
    QCOMPARE(boardText(two), QStringLiteral("....O...."));

    // About: its version and the viewer's one box; OK, then Escape, closes it.
    for (bool byEscape : {false, true}) {
        QTest::keyClick(turnTo(game, Window::TwoPlayer), Qt::Key_F1);
        QWidget* about = turnTo(game, Window::About);
        QCOMPARE(text(about, "lblVersion"), QStringLiteral("Versión %1.%2").arg(version::kMajor).arg(version::kMinor));
        click(button(about, QStringLiteral("&Info del sisitema...")));
        byEscape ? QTest::keyClick(about, Qt::Key_Escape) : click(button(about, QStringLiteral("OK")));
        QVERIFY(!game.window(Window::About) && two->isVisible());
    }
    // The main menu's "Salir" closes it alone while a game screen is open.
    game.boxes.push(Answer::Ok);
    QTest::keyClick(turnTo(game, Window::VersusMachine), Qt::Key_F8);
    click(button(turnTo(game, Window::MainMenu), QStringLiteral("Salir")));
    QVERIFY(!game.window(Window::MainMenu) && !game.window(Window::VersusMachine) && !game.program().ending());

    game.boxes.push(Answer::Ok);
    // The key's release reaches a window the ending program has closed already.
    QTest::ignoreMessage(QtWarningMsg, "Keyboard event not accepted by receiving widget");
    QTest::keyClick(turnTo(game, Window::TwoPlayer), Qt::Key_F4); // "Salir", confirmed: the program ends
    const QString toMenu = QStringLiteral("box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK");
    const QString noViewer = QStringLiteral("box Crucirco | System Information Is Unavailable At This Time | OK");
    QCOMPARE(game.takeBoxes(), QStringList({toMenu, "box Crucirco | La cruz gana!!! | OK", noViewer, noViewer, toMenu,
                                            "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> OK",
                                            "box Visite... | www.velquor.example | OK"}));
    QVERIFY(game.program().ending() && exitRequested());
    for (const WindowSpec& row : kWindows)
        QVERIFY(!game.window(row.id));
}

QTEST_MAIN(SessionTest)
#include "session_test.moc"
