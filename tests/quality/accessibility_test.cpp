// What a keyboard user and a screen reader meet in the windows: every window
// and control named in its role, the board's cells as buttons that play, one
// event for each thing that changes, and the keys reaching what has the focus.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "shell/qt/desktop_program.h"

using namespace crucirco;

namespace {

// What a screen reader is told: each name change of a cell or tally, and
// each announcement ("» " and its text).
QStringList heard;

void listen(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    if (event->type() == QAccessible::NameChanged && event->object()->objectName().startsWith(QLatin1String("lbl")))
        heard << iface->text(QAccessible::Name);
    else if (event->type() == QAccessible::ObjectShow && iface->role() == QAccessible::Notification)
        heard << QStringLiteral("» ") + iface->child(0)->text(QAccessible::Name);
}

struct Game {
    QtMessageBoxes boxes;
    DesktopProgram desktop{boxes};

    QWidget* open(Window window)
    {
        desktop.program().show(window);
        QWidget* widget = desktop.host().window(window);
        if (!QTest::qWaitForWindowActive(widget))
            qWarning("%s did not become active", qPrintable(widget->objectName()));
        return widget;
    }
};

QAccessibleInterface* at(QWidget* window, const char* control)
{
    return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(QLatin1String(control)));
}

QString nameOf(QWidget* window, const char* control) { return at(window, control)->text(QAccessible::Name); }

QString cellName(int index, const char* mark)
{
    return QStringLiteral("Fila %1, columna %2: %3").arg(index / 3 + 1).arg(index % 3 + 1).arg(QString::fromUtf8(mark));
}

// The cells holding `mark`, as the screen reader names them.
QStringList cellsWith(QWidget* window, const QString& mark, const char* words)
{
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        if (window->findChild<QLabel*>(QStringLiteral("lbl%1").arg(i))->text() == mark)
            names << cellName(i, words);
    }
    return names;
}

// Closes the next message box, noting its text.
void closeNextBox(QString* text)
{
    QTimer::singleShot(20, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->button(QMessageBox::Ok)->click();
        } else {
            closeNextBox(text);
        }
    });
}

} // namespace

class AccessibilityTests final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        // As when a screen reader is listening: only then are events sent.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(listen);
        qputenv("PATH", ""); // no system information viewer to be found
    }
    void init() { heard.clear(); }

    void windowsAndControlsSayWhatTheyAre();
    void cellsAreButtonsThatPlay();
    void eachChangeIsToldOnce();
    void keysReachWhatHasTheFocus();
};

// Each window is a window or dialog with a name; each control in it says
// what it is with words; labels without text say nothing; pictures are
// pictures.
void AccessibilityTests::windowsAndControlsSayWhatTheyAre()
{
    const QList<QAccessible::Role> containers{QAccessible::Client, QAccessible::Border, QAccessible::Grouping,
        QAccessible::MenuBar, QAccessible::PopupMenu, QAccessible::Notification};
    Game game;
    for (const WindowSpec& spec : kWindows) {
        QWidget* window = game.open(spec.id);
        if (auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1")); timer && spec.id == Window::Splash)
            timer->stop();
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        QVERIFY(root->role() == QAccessible::Window || root->role() == QAccessible::Dialog);
        QList<QAccessibleInterface*> nodes{root};
        for (int n = 0; n < nodes.size(); ++n) {
            QAccessibleInterface* node = nodes[n];
            for (int i = 0; i < node->childCount(); ++i)
                nodes << node->child(i);
            const auto* label = qobject_cast<QLabel*>(node->object());
            const bool blank = label && label->text().isEmpty() && label->pixmap().isNull()
                && node->role() != QAccessible::Button;
            const QString what = window->objectName() + QLatin1Char('/') + node->object()->objectName();
            if (containers.contains(node->role()))
                continue;
            QVERIFY2(blank ? node->text(QAccessible::Name).isEmpty()
                           : node->text(QAccessible::Name).contains(QRegularExpression(QStringLiteral("\\w\\w"))),
                     qPrintable(what + QStringLiteral(": \"%1\"").arg(node->text(QAccessible::Name))));
        }
    }
    for (auto [window, picture] : {std::pair(Window::Splash, "imgLogo"), {Window::MainMenu, "imgLogo"}, {Window::About, "Label1"}})
        QCOMPARE(at(game.desktop.host().window(window), picture)->role(), QAccessible::Graphic);
}

// A cell is an unfocusable button named by its place and mark; pressing it
// through the screen reader plays it as a click does.
void AccessibilityTests::cellsAreButtonsThatPlay()
{
    Game game;
    QWidget* two = game.open(Window::TwoPlayer);
    for (int i = 0; i < 9; ++i) {
        QAccessibleInterface* cell = at(two, qPrintable(QStringLiteral("lbl%1").arg(i)));
        QCOMPARE(cell->role(), QAccessible::Button);
        QCOMPARE(cell->text(QAccessible::Name), cellName(i, "vacía"));
        QVERIFY(!cell->state().focusable);
        QCOMPARE(cell->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    }
    at(two, "lbl5")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(nameOf(two, "lbl5"), cellName(5, "cruz"));
    QTest::mouseClick(two->findChild<QWidget*>(QStringLiteral("lbl0")), Qt::LeftButton);
    QCOMPARE(nameOf(two, "lbl0"), cellName(0, "círculo"));
    QCOMPARE(heard, QStringList({cellName(5, "cruz"), cellName(0, "círculo")}));
}

// The machine's reply, the user's move and a new game each rename the cells
// that changed, once, and are announced together; a win renames its tally.
void AccessibilityTests::eachChangeIsToldOnce()
{
    Game game;
    QWidget* versus = game.open(Window::VersusMachine);
    const auto announced = [] { return !heard.isEmpty() && heard.last().startsWith(QStringLiteral("» ")); };
    QTRY_VERIFY(announced());
    const QString first = cellsWith(versus, QStringLiteral("X"), "cruz").value(0);
    const QString reply = QStringLiteral("Cruz en f") + first.mid(1, first.indexOf(u':') - 1);
    QCOMPARE(heard, QStringList({first, QStringLiteral("» ") + reply}));

    heard.clear();
    const int free = first == cellName(4, "cruz") ? 0 : 4;
    at(versus, qPrintable(QStringLiteral("lbl%1").arg(free)))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(announced());
    QCOMPARE(heard.size(), 3);
    QCOMPARE(heard[0], cellName(free, "círculo"));
    QVERIFY(heard[2].startsWith(QStringLiteral("» Círculo en fila %1, columna %2. Cruz en fila ").arg(free / 3 + 1).arg(free % 3 + 1)));

    heard.clear();
    QTest::keyClick(versus, Qt::Key_F2);
    QTRY_VERIFY(announced());
    QCOMPARE(heard.size(), 5); // three cells emptied, the machine's first cross, the announcement
    QVERIFY(heard[4].startsWith(QStringLiteral("» Nueva partida. Cruz en fila ")));

    QWidget* two = game.open(Window::TwoPlayer);
    QString box;
    for (int cell : {0, 3, 1, 4, 2}) {
        if (cell == 2)
            closeNextBox(&box);
        QTest::mouseClick(two->findChild<QWidget*>(QStringLiteral("lbl%1").arg(cell)), Qt::LeftButton);
    }
    QCOMPARE(box, QStringLiteral("La cruz gana!!!"));
    QCOMPARE(heard.filter(QStringLiteral("Victorias")), QStringList{QStringLiteral("Victorias de la cruz: 1")});
}

// Enter presses the focused button in every window; Tab lands on the
// selected difficulty and arrows move among them; once the box about the
// system information viewer is closed, About has the focus again.
void AccessibilityTests::keysReachWhatHasTheFocus()
{
    Game game;
    QWidget* menu = game.open(Window::MainMenu);
    QWidget* play = menu->findChild<QWidget*>(QStringLiteral("cmdVsMaquina"));
    play->setFocus();
    QTest::keyClick(play, Qt::Key_Return);
    QVERIFY(!game.desktop.host().window(Window::MainMenu));
    QWidget* versus = game.open(Window::VersusMachine);

    versus->findChild<QWidget*>(QStringLiteral("Option2"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option3"));
    QVERIFY(versus->findChild<QRadioButton*>(QStringLiteral("Option3"))->isChecked());
    versus->findChild<QWidget*>(QStringLiteral("cmdReiniciar"))->setFocus();
    QStringList stops;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(stops, QStringList({"Option3", "Command1", "Check1", "cmdReiniciar"}));

    QTest::keyClick(versus, Qt::Key_F1);
    QWidget* about = game.desktop.host().window(Window::About);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QWidget* sysInfo = about->findChild<QWidget*>(QStringLiteral("cmdSysInfo"));
    sysInfo->setFocus();
    QString box;
    closeNextBox(&box);
    QTest::keyClick(sysInfo, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(box, QStringLiteral("System Information Is Unavailable At This Time"));
    QTRY_COMPARE(QApplication::activeWindow(), about);
    QTest::keyClick(about->findChild<QWidget*>(QStringLiteral("cmdOK")), Qt::Key_Return);
    QVERIFY(!game.desktop.host().window(Window::About));
}

QTEST_MAIN(AccessibilityTests)
#include "accessibility_test.moc"
