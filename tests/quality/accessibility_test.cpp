// What assistive technology reads from the windows: a name for every
// control, and board cells that say their mark, in Spanish, as it changes.

#include <QAccessible>
#include <QRegularExpression>

#include "tests/quality/every_window.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

struct Node {
    QString path; // object names, or child numbers, from the window down
    QAccessible::Role role;
    QString name;
};

void collect(QAccessibleInterface* node, const QString& path, QList<Node>* nodes)
{
    nodes->append({path, node->role(), node->text(QAccessible::Name)});
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        const QString name = child->object() ? child->object()->objectName() : QString();
        collect(child, path + QLatin1Char('/') + (name.isEmpty() ? QString::number(i) : name), nodes);
    }
}

// The window's accessible tree as a screen reader walks it, its menu bar
// and pull-down menus included.
QList<Node> accessibleTree(QWidget* window)
{
    QList<Node> nodes;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window))
        collect(root, window->objectName(), &nodes);
    return nodes;
}

// What holds other controls only: a screen reader announces it by its role
// and goes on to the controls inside.
bool isContainer(QAccessible::Role role)
{
    return role == QAccessible::Client || role == QAccessible::Border || role == QAccessible::Pane
        || role == QAccessible::Grouping || role == QAccessible::MenuBar || role == QAccessible::PopupMenu;
}

// The name the tree gives the control at `path`.
QString nameAt(QWidget* window, const QString& path)
{
    for (const Node& node : accessibleTree(window)) {
        if (node.path == path)
            return node.name;
    }
    return QStringLiteral("<no %1>").arg(path);
}

QString cellName(QWidget* window, int index)
{
    return nameAt(window, window->objectName() + QStringLiteral("/client/lbl%1").arg(index));
}

} // namespace

class AccessibilityTests final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        QAccessible::setActive(true);
    }
    void cleanup() { QVERIFY(!exitRequested()); }

    void everyControlHasASpanishName();
    void cellsSayTheirMarkAsItChanges();
    void cellsSayTheMachinesReply();
};

// Every window, and every control in it that is more than a frame around
// others, has a name with words in it, not an empty one or a bare "#".
void AccessibilityTests::everyControlHasASpanishName()
{
    ScriptedGame game;
    const QRegularExpression word(QStringLiteral("\\p{L}"));
    int controls = 0;
    for (QWidget* window : quality::openEveryWindow(game)) {
        QVERIFY(window);
        const QList<Node> tree = accessibleTree(window);
        QVERIFY2(tree.size() > 5, qPrintable(window->objectName()));
        QStringList unnamed;
        for (const Node& node : tree) {
            const bool isWindow = &node == &tree.first();
            if (!isWindow && isContainer(node.role))
                continue;
            ++controls;
            if (!node.name.contains(word))
                unnamed << QStringLiteral("%1 (role %2, \"%3\")").arg(node.path).arg(int(node.role)).arg(node.name);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    }
    qInfo("%d named windows and controls", controls);
}

// A real click and the digit keys, on the main keyboard and on the keypad,
// each change what the played cell says, and only that cell's.
void AccessibilityTests::cellsSayTheirMarkAsItChanges()
{
    ScriptedGame game;
    QWidget* two = showWindow(game.desktop, Window::TwoPlayer);
    QVERIFY(two);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(cellName(two, i), QStringLiteral("Casilla %1: vacía").arg(i + 1));

    clickCell(two, 4);
    QCOMPARE(cellName(two, 4), QStringLiteral("Casilla 5: X"));

    // Keys go to whichever control has the focus and reach the window from there.
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : two;
    QTest::keyClick(focus, Qt::Key_9); // reading order: the bottom right cell
    QCOMPARE(cellName(two, 8), QStringLiteral("Casilla 9: O"));
    QTest::keyClick(focus, Qt::Key_7, Qt::KeypadModifier); // the keypad's 7: the top left cell
    QCOMPARE(cellName(two, 0), QStringLiteral("Casilla 1: X"));
    for (int i : {1, 2, 3, 5, 6, 7})
        QCOMPARE(cellName(two, i), QStringLiteral("Casilla %1: vacía").arg(i + 1));
}

// The machine's cross, played from its timer and not from any input, is
// said too; every cell says what it shows.
void AccessibilityTests::cellsSayTheMachinesReply()
{
    ScriptedGame game;
    QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
    QVERIFY(versus);
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 1, 5000);
    clickCell(versus, int(boardText(versus).indexOf(u'.')));
    QTRY_COMPARE_WITH_TIMEOUT(countMarks(versus, u'X'), 2, 5000);
    const QString board = boardText(versus);
    for (int i = 0; i < 9; ++i) {
        const QString mark = board[i] == u'.' ? QStringLiteral("vacía") : QString(board[i]);
        QCOMPARE(cellName(versus, i), QStringLiteral("Casilla %1: %2").arg(i + 1).arg(mark));
    }
}

QTEST_MAIN(AccessibilityTests)
#include "accessibility_test.moc"
