// The splash, the main menu and the About dialog on their real windows.

#include <QDialog>
#include <QElapsedTimer>
#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/widgets/widget_rig.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

const QColor kPurple(128, 0, 128);
const QColor kDarkGreen(0, 64, 0);

void checkFace(const QWidget* label, const char* family, double points, bool bold)
{
    QVERIFY2(label, family);
    const QFont font = label->font();
    QCOMPARE(font.family(), QString::fromLatin1(family));
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QString resolved;
    QVERIFY2(resolvedAsRegistered(font, &resolved), qPrintable(resolved));
    qInfo("%s: %s %g pt%s resolves to \"%s\"", qPrintable(label->objectName()), family, points,
          bold ? " bold" : "", qPrintable(resolved));
}

bool hasMinMaxButtons(const QWidget* window)
{
    return window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
}

} // namespace

class ShellWidgetTests final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(*qApp); }
    void cleanup() { QVERIFY(!exitRequested()); }

    void splashLooksAsLaidOut();
    void splashHandsOverToTheMainMenu();
    void mainMenuLooksAsLaidOut();
    void mainMenuButtonsOpenTheScreens();
    void aboutDialog();
    void endingTheProgram_data();
    void endingTheProgram();
    void endScenario();
};

void ShellWidgetTests::splashLooksAsLaidOut()
{
    ScriptedGame game;
    game.program().start();
    QWidget* splash = game.window(Window::Splash);
    QVERIFY(splash && splash->isVisible());
    QCOMPARE(splash->objectName(), QStringLiteral("frmSplash"));
    QCOMPARE(splash->windowTitle(), QString());
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->size(), Twips::size(7260, 4635));
    QCOMPARE(splash->minimumSize(), splash->maximumSize());
    QVERIFY(splash->autoFillBackground());
    QCOMPARE(splash->palette().color(QPalette::Window), kPurple);

    const auto* frame = control<QFrame>(splash, QStringLiteral("Frame1"));
    QVERIFY(frame && frame->autoFillBackground());
    QCOMPARE(frame->geometry(), Twips::rect(120, 60, 7080, 4515));
    QCOMPARE(frame->palette().color(QPalette::Window), kDarkGreen);
    const QColor highlightedText = QApplication::palette().color(QPalette::HighlightedText);
    const QList<QLabel*> labels = frame->findChildren<QLabel*>();
    QVERIFY(labels.size() >= 8);
    for (const QLabel* label : labels) {
        if (label->objectName() == QLatin1String("imgLogo")) {
            QVERIFY(label->pixmap().width() > 0);
            continue;
        }
        QVERIFY2(label->autoFillBackground(), qPrintable(label->objectName()));
        QCOMPARE(label->palette().color(QPalette::Window), kDarkGreen);
        QCOMPARE(label->palette().color(QPalette::WindowText), highlightedText);
    }

    QCOMPARE(labelText(splash, "lblCompanyProduct"), QStringLiteral("Velquor™"));
    checkFace(control(splash, QStringLiteral("lblCompanyProduct")), "Arial", 18, true);
    QCOMPARE(labelText(splash, "lblProductName"), QStringLiteral("Crucirco"));
    checkFace(control(splash, QStringLiteral("lblProductName")), "Verdana", 27.75, true);
    QCOMPARE(labelText(splash, "lblCompany"), QStringLiteral("Velquor Company"));
    checkFace(control(splash, QStringLiteral("lblCompany")), "Arial", 8.25, false);

    // The version is set at load, and the label takes its new text's width
    // while keeping its right edge.
    const auto* version = control<QLabel>(splash, QStringLiteral("lblVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 1.4.6"));
    checkFace(version, "Arial", 12, true);
    QCOMPARE(version->width(), version->sizeHint().width());
    QCOMPARE(version->geometry().right(), Twips::rect(5910, 2700, 945, 285).right());
    QVERIFY(version->alignment() & Qt::AlignRight);
}

void ShellWidgetTests::splashHandsOverToTheMainMenu()
{
    ScriptedGame game;
    QElapsedTimer sinceStart;
    sinceStart.start();
    game.program().start();
    QPointer<QWidget> splash = game.window(Window::Splash);
    QVERIFY(splash);
    QTRY_VERIFY_WITH_TIMEOUT(game.window(Window::MainMenu) && game.window(Window::MainMenu)->isVisible(), 5000);
    QVERIFY2(sinceStart.elapsed() >= 1400, qPrintable(QString::number(sinceStart.elapsed())));
    QVERIFY(!game.window(Window::Splash));
    QTRY_VERIFY(splash.isNull());
    QVERIFY(game.takeBoxes().isEmpty());
}

void ShellWidgetTests::mainMenuLooksAsLaidOut()
{
    ScriptedGame game;
    QWidget* menu = showWindow(game.desktop, Window::MainMenu);
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(menu->windowTitle(), QStringLiteral("Crucirco Velquor"));
    QCOMPARE(menu->size(), Twips::size(4680, 3195));
    QCOMPARE(menu->minimumSize(), menu->maximumSize());
    QVERIFY(!hasMinMaxButtons(menu));
    QCOMPARE(labelText(menu, "Label1"),
             QStringLiteral("Bienvenido al Crucirco Velquor. Escoja el modo en que desea jugar:"));
    QCOMPARE(control(menu, QStringLiteral("imgLogo"))->geometry(), Twips::rect(120, 480, 1455, 1545));
    struct Button {
        const char* name;
        const char* caption;
        QRect place;
    };
    const Button buttons[] = {
        {"cmdUnoUno", "Uno contra uno", Twips::rect(0, 2160, 1575, 375)},
        {"cmdVsMaquina", "Vs la máquina", Twips::rect(1680, 2160, 1335, 375)},
        {"Command1", "Salir", Twips::rect(3120, 2160, 1215, 375)},
    };
    for (const Button& b : buttons) {
        const auto* button = control<QPushButton>(menu, QString::fromLatin1(b.name));
        QVERIFY2(button, b.name);
        QCOMPARE(button->text(), QString::fromUtf8(b.caption));
        QCOMPARE(button->geometry(), b.place);
    }
    QCOMPARE(tabOrder(control(menu, QStringLiteral("cmdUnoUno"))),
             QStringList({"cmdUnoUno", "cmdVsMaquina", "Command1"}));
}

void ShellWidgetTests::mainMenuButtonsOpenTheScreens()
{
    ScriptedGame game;
    QWidget* menu = showWindow(game.desktop, Window::MainMenu);
    QVERIFY(menu);
    click(control(menu, QStringLiteral("cmdVsMaquina")));
    QWidget* versus = game.window(Window::VersusMachine);
    QVERIFY(versus && versus->isVisible());
    QVERIFY(!game.window(Window::MainMenu));
    QVERIFY(!menu->isVisible());

    // Back through "&Menú principal", then the other mode.
    QVERIFY(QTest::qWaitForWindowActive(versus));
    game.boxes.push(Answer::Ok);
    QTest::keyClick(versus, Qt::Key_F8);
    menu = game.window(Window::MainMenu);
    QVERIFY(menu && menu->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(menu));
    click(control(menu, QStringLiteral("cmdUnoUno")));
    QWidget* two = game.window(Window::TwoPlayer);
    QVERIFY(two && two->isVisible());
    QVERIFY(!game.window(Window::MainMenu));

    // With a game screen still open, "Salir" closes the menu and nothing else.
    click(control(two, QStringLiteral("Command1")));
    versus = game.window(Window::VersusMachine);
    QVERIFY(versus && QTest::qWaitForWindowActive(versus));
    game.boxes.push(Answer::Ok);
    QTest::keyClick(versus, Qt::Key_F8);
    menu = game.window(Window::MainMenu);
    QVERIFY(menu && QTest::qWaitForWindowActive(menu));
    click(control(menu, QStringLiteral("Command1")));
    QVERIFY(!game.window(Window::MainMenu));
    QVERIFY(two->isVisible());
    QVERIFY(!game.program().ending());
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK",
                                            "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK"}));
}

void ShellWidgetTests::aboutDialog()
{
    // No system information viewer anywhere on the PATH.
    QTemporaryDir emptyFolder;
    QVERIFY(emptyFolder.isValid());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(emptyFolder.path()));
    ScriptedGame game;
    qputenv("PATH", path);

    QWidget* two = showWindow(game.desktop, Window::TwoPlayer); // keeps the program going
    QVERIFY(two);
    QWidget* about = showWindow(game.desktop, Window::About);
    QVERIFY(about && qobject_cast<QDialog*>(about));
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral("Acerca del autor"));
    QCOMPARE(about->size(), Twips::size(5730, 3555));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!hasMinMaxButtons(about));
    QVERIFY(!qobject_cast<QDialog*>(about)->isModal());
    QCOMPARE(labelText(about, "lblVersion"), QStringLiteral("Versión 1.4"));
    QCOMPARE(labelText(about, "lblTitle"), QStringLiteral("Velquor Crucirco"));
    QVERIFY(labelText(about, "lblDescription").startsWith(QStringLiteral("Muchas gracias por usar este programa.")));
    auto* ok = control<QPushButton>(about, QStringLiteral("cmdOK"));
    auto* sysInfo = control<QPushButton>(about, QStringLiteral("cmdSysInfo"));
    QVERIFY(ok && sysInfo);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->geometry(), Twips::rect(4245, 2520, 1260, 345));
    QCOMPARE(sysInfo->text(), QStringLiteral("&Info del sisitema..."));
    QCOMPARE(tabOrder(ok), QStringList({"cmdOK", "cmdSysInfo"}));

    // No viewer: the one box, and the dialog stays.
    click(sysInfo);
    QCOMPARE(game.takeBoxes(), QStringList({"box Crucirco | System Information Is Unavailable At This Time | OK"}));
    QCOMPARE(game.window(Window::About), about);
    QVERIFY(about->isVisible());

    // OK unloads it; so does Escape.
    click(ok);
    QVERIFY(!game.window(Window::About));
    QVERIFY(!about->isVisible());
    about = showWindow(game.desktop, Window::About);
    QVERIFY(about && about->isVisible());
    QCOMPARE(labelText(about, "lblVersion"), QStringLiteral("Versión 1.4"));
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!game.window(Window::About));
    QVERIFY(!about->isVisible());
    QVERIFY(two->isVisible());
    QVERIFY(game.takeBoxes().isEmpty());
}

// Ways out that leave no window: each ends QApplication::exec() with 0.
void ShellWidgetTests::endingTheProgram_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("key on the splash") << QStringLiteral("splash-key");
    QTest::newRow("Salir on the main menu") << QStringLiteral("menu-salir");
}

void ShellWidgetTests::endingTheProgram()
{
    QFETCH(QString, scenario);
    QElapsedTimer elapsed;
    elapsed.start();
    const ChildReport report = runEndScenario(QStringLiteral("endScenario"), scenario);
    QVERIFY2(report.finished, "the child did not finish");
    QCOMPARE(report.exitCode, 0);
    // Nothing shown, no main menu ever made, no box.
    QCOMPARE(report.lines, QStringList({"exec 0", "visible ", "hosted ", "ending 0",
                                        scenario == QLatin1String("splash-key") ? "main menu created 0"
                                                                                : "main menu created 1"}));
}

// The child's side of endingTheProgram.
void ShellWidgetTests::endScenario()
{
    const QString scenario = qEnvironmentVariable(kEndScenarioVariable);
    if (scenario.isEmpty())
        QSKIP("played only in the child process of endingTheProgram");
    ScriptedGame game;
    if (scenario == QLatin1String("splash-key")) {
        game.program().start();
        QWidget* splash = game.window(Window::Splash);
        QVERIFY(splash);
        // Released well before the splash's own 1.5 s.
        playEndScenario(game, [splash] { QTest::keyClick(splash, Qt::Key_A); });
    } else {
        QWidget* menu = showWindow(game.desktop, Window::MainMenu);
        QVERIFY(menu);
        playEndScenario(game, [menu] { click(control(menu, QStringLiteral("Command1"))); });
    }
}

QTEST_MAIN(ShellWidgetTests)
#include "shell_widget_test.moc"
