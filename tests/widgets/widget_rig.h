#pragma once

// What the tests on the real windows share: the game on its Qt windows, its
// boxes answered from a queue and written into a transcript, and the
// controls found by name or by caption.

#include <QtTest>
#include <QtWidgets>
#include <sstream>

#include "core/board_text.h"
#include "forms/qt/qt_platform.h"
#include "shell/qt/desktop_program.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::widgets {

// The program as the game's main builds it, but with a script's clock (so
// that a seed replays the machine's chances), an empty configuration store
// and a launcher that starts nothing.
struct Desktop
{
    explicit Desktop(MessageBoxes& answers)
        : boxes(answers)
    {
        host.bind(program);
    }
    QWidget* window(Window window) const { return host.window(window); }
    MessageBoxes& boxes;
    scripted::FixedClock clock;
    scripted::MemoryStore store;
    scripted::Launcher launcher;
    SeededRandom random;
    QtEventLoop events;
    HandlerGate gate;
    QtWindowHost host{gate};
    Program program{Program::Services{boxes, events, clock, random, store, launcher}, host};
};

// The game whose boxes answer from a queue, one transcript line each.
struct ScriptedGame
{
    std::ostringstream transcript;
    scripted::Boxes boxes{transcript};
    Desktop desktop{boxes};
    Program& program() { return desktop.program; }
    QWidget* window(Window window) const { return desktop.window(window); }
    QStringList takeBoxes()
    {
        return QString::fromStdString(std::exchange(transcript, {}).str()).split(u'\n', Qt::SkipEmptyParts);
    }
};

// Shows a window through the program and waits until it is active, as a
// window the user just opened is; none if it does not come.
inline QWidget* showWindow(Desktop& desktop, Window window)
{
    desktop.program.show(window);
    QWidget* shown = desktop.window(window);
    if (!shown || !QTest::qWaitForWindowActive(shown))
        return nullptr;
    return shown;
}
inline bool shown(const ScriptedGame& game, Window window)
{
    return game.window(window) && game.window(window)->isVisible();
}

template<class Control = QWidget>
Control* control(const QObject* window, const QString& name)
{
    return window ? window->findChild<Control*>(name) : nullptr;
}
inline QLabel* cell(const QWidget* window, int index)
{
    return control<QLabel>(window, QStringLiteral("lbl%1").arg(index));
}
inline QString text(const QWidget* window, const char* label)
{
    return control<QLabel>(window, label)->text();
}
// The button, option or check box that reads `caption`.
inline QAbstractButton* button(const QWidget* window, const QString& caption)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

// A real click, pressed and released in the middle of the control.
inline void click(QWidget* widget)
{
    QVERIFY2(widget, "a click on a control that is not there");
    QTest::mouseClick(widget, Qt::LeftButton);
}
inline void clickCell(QWidget* window, int index)
{
    click(cell(window, index));
}

// The board a window shows; nothing when a cell holds anything but "X", "O" or "".
inline std::optional<Board> shownBoard(const QWidget* window)
{
    std::string cells;
    for (int i = 0; i < 9; ++i) {
        const QString caption = cell(window, i)->text();
        if (caption != "X" && caption != "O" && !caption.isEmpty())
            return std::nullopt;
        cells += caption.isEmpty() ? '.' : char(caption[0].unicode());
    }
    return parseBoard(cells);
}
// In the game's one notation, "XO.|...|..X".
inline QString boardText(const QWidget* window)
{
    const std::optional<Board> board = shownBoard(window);
    return board ? QString::fromStdString(crucirco::boardText(*board)) : QStringLiteral("(not a board)");
}
inline int countMarks(const QWidget* window, QChar mark)
{
    return int(boardText(window).count(mark));
}

// Whether something has asked the application to leave its event loops:
// every loop started afterwards, a modal box's too, returns at once.
inline bool exitRequested()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(1); });
    return probe.exec() == -1;
}

} // namespace crucirco::widgets

using namespace crucirco;
using namespace crucirco::widgets;
