// What a keyboard user and a screen reader meet in the windows: every window
// and control named in its role, the board's cells as buttons that play, one
// event for each thing that changes, and the keys reaching what has the focus.

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "shell/qt/desktop_program.h"

using namespace crucirco;

static QtMessageBoxes boxes;
// The message boxes, each closed as it comes.
static QStringList shown;
// What a screen reader hears: the new name of each cell or tally that
// changes, each announcement ("» " and its text), and "box" where a box came.
static QStringList heard;

// Shown, and active as a window the user opened is; none if it does not come.
static QWidget* open(DesktopProgram& game, Window window)
{
    game.program().show(window);
    QWidget* shown = game.host().window(window);
    if (!QTest::qWaitForWindowActive(shown))
        return nullptr;
    return shown;
}

static QWidget* child(QWidget* window, const char* name)
{
    return window->findChild<QWidget*>(QLatin1String(name));
}
// Where a cell stands, from its name without the first letter: "ila 2, columna 3".
static QString place(const QString& cellName)
{
    return cellName.section(QLatin1Char(':'), 0, 0).mid(1);
}
static bool announced()
{
    return !heard.isEmpty() && heard.last().startsWith(QStringLiteral("» "));
}
static void press(QWidget* cell)
{
    QAccessible::queryAccessibleInterface(cell)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

class AccessibilityTests final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        // As when a screen reader listens: only then are events sent.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::NameChanged
                && event->object()->objectName().startsWith(QLatin1String("lbl")))
                heard << event->accessibleInterface()->text(QAccessible::Name);
            QAccessibleInterface* node = event->accessibleInterface();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            // Qt's own announcement, from the status bar "Avisos".
            if (event->type() == QAccessible::Announcement && node->role() == QAccessible::StatusBar)
                heard << QStringLiteral("» ") + static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#else
            // The stand-in for one: a notification in a status bar, and
            // without a name, has its message said alone.
            if (event->type() == QAccessible::ObjectShow && node->role() == QAccessible::Notification
                && node->parent()->role() == QAccessible::StatusBar)
                heard << QStringLiteral("» ") + node->text(QAccessible::Name)
                             + node->child(0)->text(QAccessible::Name);
#endif
        });
        auto* closer = new QTimer(qApp);
        closer->callOnTimeout([] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown << box->text();
            heard << QStringLiteral("box");
            box->done(0);
        });
        closer->start(20);
    }
    void init()
    {
        heard.clear();
        shown.clear();
    }

    // Each window is a window or dialog with a name; each control says what
    // it is in words, but labels without text; the cells are buttons that
    // cannot take the focus and can be pressed; pictures are pictures; the
    // difficulties a group.
    void windowsAndControlsSayWhatTheyAre()
    {
        DesktopProgram game(boxes);
        for (Window window :
             {Window::About, Window::TwoPlayer, Window::VersusMachine, Window::MainMenu, Window::Splash}) {
            QList<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(open(game, window))};
            const QAccessible::Role role = nodes[0]->role();
            QVERIFY2(role == QAccessible::Window || role == QAccessible::Dialog,
                     qPrintable(QString::number(role)));
            for (int n = 0; n < nodes.size(); ++n) {
                for (int i = 0; i < nodes[n]->childCount(); ++i)
                    nodes << nodes[n]->child(i);
                const auto* label = qobject_cast<QLabel*>(nodes[n]->object());
                const QString name = nodes[n]->text(QAccessible::Name);
                if (nodes[n]->role() == QAccessible::Button && name.contains(QStringLiteral("columna")))
                    QCOMPARE(QStringList({name.section(QStringLiteral(": "), -1),
                                          QString::number(nodes[n]->state().focusable)})
                                 + nodes[n]->actionInterface()->actionNames(),
                             QStringList(
                                 {"vacía", "0", QAccessibleActionInterface::pressAction()})); // unfocusable
                else if (label && label->text().isEmpty() && label->pixmap().isNull())
                    QVERIFY2(name.isEmpty(), qPrintable(name));
                else if (!QList{QAccessible::Client, QAccessible::Border, QAccessible::MenuBar,
                                QAccessible::PopupMenu, QAccessible::Notification}
                              .contains(nodes[n]->role()))
                    QVERIFY2(name.size() > 1, qPrintable(nodes[n]->object()->objectName())); // not a bare "#"
            }
        }
        for (auto [window, picture] :
             {std::pair(Window::Splash, "imgLogo"), {Window::MainMenu, "imgLogo"}, {Window::About, "Label1"}})
            QCOMPARE(
                QAccessible::queryAccessibleInterface(child(game.host().window(window), picture))->role(),
                QAccessible::Graphic);
        // The four difficulties are one group, named.
        QAccessibleInterface* option = QAccessible::queryAccessibleInterface(
            child(game.host().window(Window::VersusMachine), "Option4"));
        QCOMPARE(option->parent()->text(QAccessible::Name), QStringLiteral("Dificultad"));
    }

    // The machine's reply, the user's move pressed through the screen reader
    // and a new game each rename the cells that changed, once, and are
    // announced together; a win renames its tally alone, and the tallies are
    // announced once its box is closed.
    void eachChangeIsToldOnce()
    {
        DesktopProgram game(boxes);
        QWidget* versus = open(game, Window::VersusMachine);
        QTRY_VERIFY(announced());
        const QString first = place(heard[0]);
        const QString named = QStringLiteral("F%1: cruz").arg(first);
        QCOMPARE(heard, QStringList({named, QStringLiteral("» Cruz en f") + first}));
        heard.clear();
        press(child(versus, first == QStringLiteral("ila 2, columna 2") ? "lbl0" : "lbl4"));
        QTRY_VERIFY(announced());
        const QString mine = place(heard.value(0));
        const QString reply = place(heard.value(1));
        QCOMPARE(heard, QStringList({"F" + mine + ": círculo", "F" + reply + ": cruz",
                                     "» Círculo en f" + mine + ". Cruz en f" + reply}));
        heard.clear();
        QTest::keyClick(versus, Qt::Key_F2);
        QTRY_VERIFY(announced());
        QCOMPARE(heard.filter(QStringLiteral("vacía")).size(), 3); // and the machine's first cross, and:
        QCOMPARE(heard.size(), 5);
        QVERIFY2(heard[4].startsWith(QStringLiteral("» Nueva partida. Cruz en")), qPrintable(heard[4]));

        QWidget* two = open(game, Window::TwoPlayer);
        for (const char* cell : {"lbl0", "lbl3", "lbl1", "lbl4", "lbl2"})
            press(child(two, cell));
        QTRY_COMPARE(shown, QStringList{QStringLiteral("La cruz gana!!!")});
        // The moves are heard before the box that ends the game.
        QVERIFY(heard.value(heard.indexOf(QStringLiteral("box")) - 1).startsWith(QStringLiteral("» ")));
        QTRY_COMPARE(heard.filter(QStringLiteral("Victorias")),
                     QStringList({"Victorias de la cruz: 1", "» Victorias: cruz 1, círculo 0"}));

        // A taken cell, a board filled without a line, and the board read out
        // by the key 0, which plays nothing.
        QTest::keyClick(two, Qt::Key_F2);
        for (const char* cell :
             {"lbl0", "lbl0", "lbl1", "lbl2", "lbl4", "lbl3", "lbl5", "lbl7", "lbl6", "lbl8"})
            press(child(two, cell));
        QTRY_VERIFY(
            heard.last().endsWith(QStringLiteral("Círculo en fila 3, columna 3. Tablero lleno, nadie gana")));
        QVERIFY(
            heard.last().contains(QStringLiteral("Casilla ocupada: fila 1, columna 1, círculo. Cruz en")));
        heard.clear();
        QTest::keyClick(two, Qt::Key_0, Qt::KeypadModifier);
        QTRY_COMPARE(
            heard,
            QStringList{"» Fila 1: círculo, cruz, círculo. Fila 2: círculo, cruz, cruz. "
                        "Fila 3: cruz, círculo, círculo. Turno de la cruz. Victorias: cruz 1, círculo 0"});
    }

    // Enter presses the focused button in every window; Tab lands on the
    // selected difficulty and the arrows move among them; once the box about
    // the system information viewer is closed, About has the focus again.
    void keysReachWhatHasTheFocus()
    {
        DesktopProgram game(boxes);
        QTest::keyClick(child(open(game, Window::MainMenu), "cmdVsMaquina"), Qt::Key_Return);
        QVERIFY(!game.host().window(Window::MainMenu));
        QVERIFY(game.host().window(Window::VersusMachine));
        QWidget* versus = open(game, Window::VersusMachine);
        child(versus, "cmdReiniciar")->setFocus();
        // Option2 is the one selected; Option4, once selected, comes after "Empieza el usuario".
        const char* const stops[] = {"Option2",      "Command1", "Check1", "cmdReiniciar", "Option4",
                                     "cmdReiniciar", "Command1", "Check1", "Option4"};
        for (const char* stop : stops) {
            if (stop == stops[4])
                QTest::mouseClick(child(versus, stop), Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(stop));
        }

        QWidget* about = open(game, Window::About);
        // The default frame follows the focus, from OK to the button Tab reaches and back.
        auto* ok = qobject_cast<QPushButton*>(child(about, "cmdOK"));
        auto* sysInfo = qobject_cast<QPushButton*>(child(about, "cmdSysInfo"));
        QVERIFY(ok->isDefault());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sysInfo);
        QCOMPARE(QList<bool>({ok->isDefault(), sysInfo->isDefault()}), QList<bool>({false, true}));
        QTest::keyClick(sysInfo, Qt::Key_Tab);
        QCOMPARE(QList<bool>({ok->isDefault(), sysInfo->isDefault()}), QList<bool>({true, false}));
        QTest::keyClick(sysInfo, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(shown, QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        QTRY_COMPARE(QApplication::activeWindow(), about);
    }
};

QTEST_MAIN(AccessibilityTests)
#include "accessibility_test.moc"
