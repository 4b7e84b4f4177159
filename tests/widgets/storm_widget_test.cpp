// Thousands of seeded random user events on the real windows: clicks
// anywhere in them, the keys the game knows and some it does not, windows
// brought forward and closed, confirmations answered, machine ticks, and
// events slipped into a machine turn while its random move lets the event
// loop run. After every event the boards, the tallies and the machine's turn
// are checked through the windows. A failure names its sequence's seed:
// CRUCIRCO_STORM_SEED=S CRUCIRCO_STORM_SEQUENCES=1 replays it.

#include <random>

#include "core/outcome.h"
#include "screens/qt/game_window.h"
#include "tests/widgets/widget_rig.h"

// The machine's timer ticks when the storm says so: a day-long interval keeps
// the wall clock out of a sequence.
constexpr int kTicksOnlyFromTheStorm = 24 * 60 * 60 * 1000;
constexpr int kKeys[] = {Qt::Key_F1,      Qt::Key_F2,    Qt::Key_F4,     Qt::Key_F8,    Qt::Key_Tab,
                         Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};

struct Storm
{
    // The splash stays loaded behind the storm, its timer stopped, and takes
    // no event: the last window the storm closes does not end the program.
    explicit Storm(int seed)
        : seed_(seed)
        , rng_(seed)
    {
        game_.desktop.clock.seconds = static_cast<std::uint32_t>(seed % 86400);
        for (Window window : {Window::Splash, Window::MainMenu, Window::VersusMachine})
            game_.program().show(window);
        control<QTimer>(game_.window(Window::Splash), "Timer1")->stop();
        check();
    }
    ~Storm() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The first fault found, or nothing.
    QString run(int steps)
    {
        for (int i = 0; i < steps && failure_.isEmpty(); ++i) {
            // The event, then as the main loop does between two events: deliver
            // what is pending, and destroy the windows unloaded meanwhile.
            step();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->objectName().startsWith("frm") && widget != game_.window(Window::Splash)
                    && !windows().contains(widget))
                    fail("the unloaded window " + widget->objectName() + " is still there");
            }
        }
        if (failure_.isEmpty() && exitRequested())
            return "something asked the application to quit";
        return failure_;
    }
    int events = 0; // all events
    int insideTurns = 0; // those run inside a machine turn

    int pick(qsizetype n) { return int(std::uniform_int_distribution<qsizetype>(0, n - 1)(rng_)); }
    QTimer* timer1() const { return control<QTimer>(game_.window(Window::VersusMachine), "Timer1"); }
    // The windows the storm plays on: all but the splash.
    QList<QWidget*> windows() const
    {
        QList<QWidget*> open;
        for (Window window : {Window::MainMenu, Window::VersusMachine, Window::TwoPlayer, Window::About}) {
            if (game_.window(window))
                open << game_.window(window);
        }
        return open;
    }
    void fail(const QString& what)
    {
        if (failure_.isEmpty())
            failure_ = QStringLiteral("%1\nat event %2 of CRUCIRCO_STORM_SEED=%3 CRUCIRCO_STORM_SEQUENCES=1")
                           .arg(what)
                           .arg(events)
                           .arg(seed_);
    }

    // One event, then the checks. A machine tick at the top level first
    // queues a few more events, which its random move's passes deliver.
    void step()
    {
        ++events;
        insideTurns += turnDepth_ > 0;
        if (windows().isEmpty())
            game_.program().show(Window::MainMenu); // the user starts again
        const QList<QWidget*> open = windows();
        QWidget* window = open[pick(open.size())];
        const int r = pick(100);
        QTimer* timer = timer1();
        const bool tick = r >= 70 && r < 92 && timer && timer->isActive();
        if (tick) {
            for (int i = turnDepth_ ? 0 : pick(5); i > 0; --i)
                QMetaObject::invokeMethod(
                    &context_,
                    [this] {
                        if (failure_.isEmpty())
                            step();
                    },
                    Qt::QueuedConnection);
            if (turnDepth_ == 0)
                crossesInTurn_ = 0;
            ++turnDepth_;
            QTimerEvent event(timer->timerId());
            QCoreApplication::sendEvent(timer, &event);
        } else if (r < 25) {
            clickControl(window);
        } else if (r < 40) {
            clickAnywhere(window);
        } else if (r < 92) {
            // A key, mostly on the window the user is in, at its focused control.
            if (open.contains(QApplication::activeWindow()) && pick(4))
                window = QApplication::activeWindow();
            const int key = pick(10) < 4 ? Qt::Key_0 + pick(10) : kKeys[pick(std::size(kKeys))];
            const bool confirms = key == Qt::Key_F4 || key == Qt::Key_F8; // "&Salir" always refused
            if (confirms)
                game_.boxes.push(key == Qt::Key_F8 && pick(2) ? Answer::Ok : Answer::Cancel);
            const std::size_t before = game_.transcript.str().size();
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key(key),
                            key <= Qt::Key_9 && pick(2) ? Qt::KeypadModifier : Qt::NoModifier);
            if (confirms && game_.transcript.str().find("OK Cancel", before) == std::string::npos)
                game_.boxes.confirm("storm", "an answer no box took"); // so that it answers no later one
        } else if (r < 96) {
            window->close(); // the title bar's close
        } else {
            window->activateWindow(); // a click on the title bar
        }
        check();
        if (tick)
            --turnDepth_;
    }

    // A click in the middle of a cell, a button, an option or the check box.
    void clickControl(QWidget* window)
    {
        QList<QWidget*> controls;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const bool button = qobject_cast<QAbstractButton*>(widget) && widget->isVisibleTo(window);
            if (qobject_cast<CellLabel*>(widget) || button)
                controls << widget;
        }
        QTest::mouseClick(controls[pick(controls.size())], Qt::LeftButton);
    }

    // A click anywhere on the client area, on whatever is there.
    void clickAnywhere(QWidget* window)
    {
        auto* main = qobject_cast<QMainWindow*>(window);
        QWidget* target = main ? main->centralWidget() : window;
        QPoint at(pick(target->width()), pick(target->height()));
        if (QWidget* child = target->childAt(at)) {
            at = child->mapFrom(target, at);
            target = child;
        }
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    }

    void check()
    {
        if (QTimer* timer = timer1(); timer && timer->interval() != kTicksOnlyFromTheStorm)
            timer->setInterval(kTicksOnlyFromTheStorm);
        const QStringList boxes = game_.takeBoxes();
        int wins[2] = {int(boxes.count("box Crucirco | La cruz gana!!! | OK")),
                       int(boxes.count("box Crucirco | El círculo gana!!! | OK"))};
        if (game_.program().ending())
            return fail("the program is ending; the last boxes:\n" + boxes.join(u'\n'));
        for (Window screen : {Window::VersusMachine, Window::TwoPlayer})
            checkScreen(screen, wins);
        if (wins[0] || wins[1])
            fail("a win box whose tally did not rise: " + boxes.join(u'\n'));
    }

    // The board and the tallies on the window against the previous check:
    // only "X", "O" or "" in a cell; one mark at most, on an empty cell of a
    // board without a line, or a board emptied by a new game; a cross only
    // inside a machine turn, one a turn; tallies in plain digits, each rise
    // with its win box and its line on the board; Timer1 running exactly
    // when the screen has it enabled.
    void checkScreen(Window id, int wins[2])
    {
        const bool versus = id == Window::VersusMachine;
        Seen& seen = seen_[versus];
        QWidget* window = game_.window(id);
        if (!window) {
            seen = Seen{};
            return;
        }
        const auto name = [&] { return window->objectName() + ": " + boardText(window) + ' '; };
        const std::optional<Board> shown = shownBoard(window);
        if (!shown)
            return fail(name() + "a cell holds something else than a mark");
        const Board board = *shown;
        static const QRegularExpression digits("^(|[1-9][0-9]*)$");
        const QString tallies[2] = {text(window, "lblX"), text(window, "lblO")};
        if (!digits.match(tallies[0]).hasMatch() || !digits.match(tallies[1]).hasMatch())
            return fail(name() + "the tallies read " + tallies[0] + '/' + tallies[1]);
        if (versus && timer1()->isActive() != game_.program().versus()->timerEnabled())
            fail(name() + "Timer1 runs while the screen has it disabled, or the other way round");
        if (seen.window != window && (board.markCount() || !(tallies[0] + tallies[1]).isEmpty()))
            fail(name() + "a freshly loaded window is not empty");
        if (seen.window == window) {
            const int added = addedCell(seen.board, board);
            if (added == kNotOneMark)
                return fail(name() + "a mark overwritten, or two marks in one event");
            if (added >= 0 && findWin(seen.board))
                fail(name() + "a mark on a won board");
            const bool cross = added >= 0 && versus && board.at(added) == Mark::Cross;
            if (cross && turnDepth_ > 0)
                ++crossesInTurn_;
            if (cross && (turnDepth_ == 0 || crossesInTurn_ > 1))
                fail(name() + "a cross outside the machine's turn, or a second one in it");
            const std::optional<Win> win = findWin(board);
            for (int k = 0; k < 2; ++k) {
                const int rise = tallies[k].toInt() - seen.tallies[k];
                if (rise < 0 || rise > wins[k]
                    || (rise && (!win || win->winner != (k ? Mark::Circle : Mark::Cross))))
                    fail(name()
                         + QStringLiteral("a tally went from %1 to %2 with %3 win boxes")
                               .arg(seen.tallies[k])
                               .arg(tallies[k])
                               .arg(wins[k]));
                wins[k] -= rise;
            }
        }
        seen = Seen{window, board, {tallies[0].toInt(), tallies[1].toInt()}};
    }

    static constexpr int kNoMark = -1;
    static constexpr int kNotOneMark = -2;
    // The one cell marked between two boards; kNoMark when none was, or
    // when the board was emptied by a new game.
    static int addedCell(const Board& before, const Board& after)
    {
        if (after.markCount() == 0)
            return kNoMark;
        int added = kNoMark;
        for (int i = 0; i < kCellCount; ++i) {
            if (before.at(i) == after.at(i))
                continue;
            if (!before.isEmpty(i) || added != kNoMark)
                return kNotOneMark;
            added = i;
        }
        return added;
    }

    struct Seen
    {
        QPointer<QWidget> window;
        Board board;
        int tallies[2] = {0, 0};
    } seen_[2]; // the game screens at the previous check
    int seed_;
    std::mt19937_64 rng_;
    ScriptedGame game_;
    QObject context_; // receives the queued events; destroyed first, and they with it
    QString failure_;
    int turnDepth_ = 0; // machine ticks in progress, one inside another
    int crossesInTurn_ = 0; // and their crosses
};

class StormWidgetTests final : public QObject
{
    Q_OBJECT
private slots:
    void stormOfUserEvents()
    {
        prepareApplication(*qApp);
        // A click on a label or the background is one that no control takes, and Qt Test says so each time;
        // the offscreen platform says it cannot raise a window each time one is shown. A storm makes
        // thousands of both.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.endsWith("not accepted by receiving widget")
                    && message != "This plugin does not support raise()")
                    previous(type, context, message);
            });
        const int seed = qEnvironmentVariableIsSet("CRUCIRCO_STORM_SEED")
                             ? qEnvironmentVariableIntValue("CRUCIRCO_STORM_SEED")
                             : 20240612;
        const int sequences = qEnvironmentVariableIsSet("CRUCIRCO_STORM_SEQUENCES")
                                  ? qEnvironmentVariableIntValue("CRUCIRCO_STORM_SEQUENCES")
                                  : 12;
        int events = 0;
        int insideTurns = 0;
        for (int i = 0; i < sequences; ++i) {
            Storm storm(seed + i);
            const QString failure = storm.run(3000); // the events slipped into machine turns come on top
            events += storm.events;
            insideTurns += storm.insideTurns;
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
        qInfo("%d events in %d sequences, %d of them inside a machine turn", events, sequences, insideTurns);
        QVERIFY(insideTurns > 0); // the random move's passes deliver the events queued before its turn
    }
};

QTEST_MAIN(StormWidgetTests)
#include "storm_widget_test.moc"
