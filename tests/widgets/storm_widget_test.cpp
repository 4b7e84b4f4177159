// Tens of thousands of seeded random user events on the real windows: clicks
// anywhere in them, the keys the game knows and some it does not, windows
// opened and closed, confirmations answered, and events slipped into the
// machine's turn while its random move lets the event loop run. After every
// event the boards, the tallies and the machine's turn are checked through
// the windows. A failure names its sequence's seed and the event:
// CRUCIRCO_STORM_SEED=S CRUCIRCO_STORM_SEQUENCES=1 replays it.

#include <QAbstractButton>
#include <QKeySequence>
#include <QMainWindow>
#include <QRegularExpression>
#include <algorithm>
#include <random>

#include "core/outcome.h"
#include "forms/qt/qt_text.h"
#include "tests/widgets/widget_rig.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

constexpr int kStepsPerSequence = 3000; // the events slipped into machine turns come on top

const QString kCrossWins = QStringLiteral("box Crucirco | La cruz gana!!! | OK");
const QString kCircleWins = QStringLiteral("box Crucirco | El círculo gana!!! | OK");

// The machine's timer ticks when the storm says so: a day-long interval keeps
// the wall clock out of a sequence, and the storm hands the timer its tick.
constexpr int kTicksOnlyFromTheStorm = 24 * 60 * 60 * 1000;

constexpr Window kWindows[] = {Window::MainMenu, Window::VersusMachine, Window::TwoPlayer, Window::About};

// The game on its Qt windows with a script's clock, configuration store and
// launcher: a seed replays the machine's chances too, and "Info del
// sisitema..." starts nothing.
struct StormProgram {
    std::ostringstream transcript;
    scripted::Boxes boxes{transcript};
    scripted::FixedClock clock;
    scripted::MemoryStore store;
    scripted::Launcher launcher;
    SeededRandom random;
    QtEventLoop events;
    HandlerGate gate;
    QtWindowHost host{gate};
    Program program{Program::Services{boxes, events, clock, random, store, launcher}, host};
    StormProgram() { host.bind(program); }
};

// A game screen as the previous check saw it.
struct Seen {
    QPointer<QWidget> window;
    Board board;
    int crosses = 0, circles = 0;
};

// A tally's count, or -1 when its caption is not plain decimal digits.
int tally(const QWidget* window, const char* name)
{
    static const QRegularExpression digits(QStringLiteral("^(|[1-9][0-9]*)$"));
    const QString text = labelText(window, name);
    return digits.match(text).hasMatch() ? text.toInt() : -1;
}

class Storm {
public:
    explicit Storm(std::uint64_t seed)
        : seed_(seed)
        , rng_(seed)
    {
        game_.clock.seconds = static_cast<std::uint32_t>(seed % 86400);
        game_.program.show(Window::MainMenu);
        game_.program.show(Window::VersusMachine);
        check();
        settle();
    }
    ~Storm() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Plays `steps` events; returns the first fault found, or nothing.
    QString run(int steps)
    {
        for (int i = 0; i < steps && failure_.isEmpty(); ++i) {
            step();
            settle();
        }
        if (failure_.isEmpty() && exitRequested())
            fail(QStringLiteral("something asked the application to quit"));
        return failure_;
    }
    int events() const { return events_; }

private:
    int pick(qsizetype n) { return int(std::uniform_int_distribution<qsizetype>(0, n - 1)(rng_)); }

    QList<QWidget*> loaded() const
    {
        QList<QWidget*> windows;
        for (Window window : kWindows)
            windows << game_.host.window(window);
        windows.removeAll(nullptr);
        return windows;
    }
    QWidget* anyWindow()
    {
        const QList<QWidget*> windows = loaded();
        return windows[pick(windows.size())];
    }
    QTimer* timer1() const { return control<QTimer>(game_.host.window(Window::VersusMachine), QStringLiteral("Timer1")); }

    // Whether unloading `window` leaves no game screen or main menu: the
    // About dialog alone offers no way on but the end of the program.
    bool leavesNoScreen(const QWidget* window) const
    {
        return std::none_of(std::begin(kWindows), std::end(kWindows), [&](Window other) {
            const QWidget* widget = game_.host.window(other);
            return widget && widget != window && other != Window::About;
        });
    }
    // Whether a click on `target`, or `key` on it, unloads the last screen so.
    bool unloadsTheLastScreen(const QWidget* target, int key = 0) const
    {
        const QString window = target->window()->objectName(), name = target->objectName();
        const bool unloads = key ? QList<int>{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}.contains(key)
                                 : name == QLatin1String("Command1") || name == QLatin1String("cmdOK");
        return unloads && (window == QLatin1String("frmMain") || window == QLatin1String("frmAbout"))
            && leavesNoScreen(target->window());
    }

    // One event, then the checks. A top-level tick of the machine's timer
    // first queues a few more events, which its random move's passes deliver.
    void step()
    {
        if (!failure_.isEmpty())
            return;
        ++events_;
        ++depth_;
        const int r = pick(100);
        const bool ticked = r >= 70 && r < 92 && tick();
        if (r < 40)
            click(r < 25);
        else if (r < 70)
            pressKey();
        else if (r >= 92)
            windowEvent(r < 96);
        check();
        turnDepth_ -= ticked;
        --depth_;
    }

    // What the main loop does between two events: deliver what is pending
    // and destroy the windows unloaded meanwhile.
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<QWidget*> windows = loaded();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName().startsWith(QLatin1String("frm")) && !windows.contains(widget))
                fail(QStringLiteral("the unloaded window %1 is still there").arg(widget->objectName()));
        }
    }

    void note(const QString& event)
    {
        recent_ << QString(2 * (depth_ - 1), QLatin1Char(' ')) + event;
        if (recent_.size() > 12)
            recent_.removeFirst();
    }

    // The title bar's close button, or a click that brings a window forward.
    void windowEvent(bool close)
    {
        QWidget* window = anyWindow();
        close = close && !leavesNoScreen(window);
        note((close ? QStringLiteral("title-bar close of ") : QStringLiteral("activate ")) + window->objectName());
        if (close)
            window->close();
        else
            window->activateWindow();
    }

    // On a control's middle (a cell, a button, an option, the check box), or
    // anywhere in a window's client area: between the cells, on the background.
    void click(bool onControl)
    {
        QWidget* window = anyWindow();
        auto* main = qobject_cast<QMainWindow*>(window);
        QWidget* target = main ? main->centralWidget() : window;
        QPoint at(pick(target->width()), pick(target->height()));
        if (onControl) {
            QList<QWidget*> controls;
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                controls << (button->isVisibleTo(window) ? button : nullptr);
            for (int i = 0; i < 9 && cell(window, i); ++i)
                controls << cell(window, i) << cell(window, i);
            controls.removeAll(nullptr);
            target = controls[pick(controls.size())];
            at = target->rect().center();
        } else if (QWidget* child = target->childAt(at)) {
            at = child->mapFrom(target, at);
            target = child;
        }
        if (unloadsTheLastScreen(target))
            return note(QStringLiteral("(no click on %1: the last screen)").arg(target->objectName()));
        note(QStringLiteral("click %1/%2 at %3,%4")
                 .arg(window->objectName(), target->objectName()).arg(at.x()).arg(at.y()));
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    }

    // Mostly on the window the user is in, sometimes on another one.
    void pressKey()
    {
        QWidget* window = QApplication::activeWindow();
        if (!loaded().contains(window) || pick(4) == 0)
            window = anyWindow();
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        static constexpr int kOthers[] = {Qt::Key_F1,  Qt::Key_F2,      Qt::Key_F4,    Qt::Key_F8,     Qt::Key_Tab,
                                          Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
        const int r = pick(10);
        int key = r < 4 ? Qt::Key_0 + pick(10) : r < 9 ? kOthers[pick(std::size(kOthers))] : Qt::Key_A + pick(26);
        if (unloadsTheLastScreen(target, key))
            key = Qt::Key_A + pick(26);
        const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
        const Qt::KeyboardModifiers modifiers = digit && pick(2) ? Qt::KeypadModifier : Qt::NoModifier;
        // "&Salir" is always refused: the program ends only when asked to.
        const bool confirms = key == Qt::Key_F4 || key == Qt::Key_F8;
        if (confirms)
            game_.boxes.push(key == Qt::Key_F8 && pick(2) ? Answer::Ok : Answer::Cancel);
        note(QStringLiteral("key %1%2 on %3/%4")
                 .arg(QKeySequence(key).toString(), modifiers ? QStringLiteral(" (keypad)") : QString(),
                      window->objectName(), target->objectName()));
        const std::size_t before = game_.transcript.str().size();
        QTest::keyClick(target, Qt::Key(key), modifiers);
        // An answer no box took must not answer a later one.
        if (confirms && game_.transcript.str().find("OK Cancel", before) == std::string::npos)
            game_.boxes.confirm("storm", "unused answer");
    }

    // The machine's timer fires, when it is armed.
    bool tick()
    {
        QTimer* timer = timer1();
        if (!timer || !timer->isActive()) {
            pressKey();
            return false;
        }
        const int queued = depth_ == 1 ? pick(5) : 0;
        for (int i = 0; i < queued; ++i)
            QMetaObject::invokeMethod(&context_, [this] { step(); }, Qt::QueuedConnection);
        note(QStringLiteral("Timer1 ticks, %1 events queued").arg(queued));
        if (turnDepth_++ == 0)
            crossesInTurn_ = 0;
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
        return true;
    }

    void fail(const QString& what)
    {
        if (failure_.isEmpty())
            failure_ = QStringLiteral("%1\nsequence seed %2, event %3 (rerun with CRUCIRCO_STORM_SEED=%2 "
                                      "CRUCIRCO_STORM_SEQUENCES=1); the last events:\n%4")
                           .arg(what).arg(seed_).arg(events_).arg(recent_.join(QLatin1Char('\n')));
    }

    void check()
    {
        if (QTimer* timer = timer1(); timer && timer->interval() != kTicksOnlyFromTheStorm)
            timer->setInterval(kTicksOnlyFromTheStorm);
        const QString text = QString::fromStdString(game_.transcript.str());
        game_.transcript.str({});
        const QStringList boxes = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int crossWins = int(boxes.count(kCrossWins)), circleWins = int(boxes.count(kCircleWins));
        if (game_.program.ending() || !game_.program.anyLoaded())
            return fail(QStringLiteral("the program is ending; the last boxes:\n") + boxes.join(QLatin1Char('\n')));
        checkScreen(Window::VersusMachine, crossWins, circleWins);
        checkScreen(Window::TwoPlayer, crossWins, circleWins);
        if (crossWins || circleWins)
            fail(QStringLiteral("a win box whose tally did not rise"));
    }

    // The board and the tallies on the window against the previous check; a
    // tally's rise uses up the win box that announced it.
    void checkScreen(Window id, int& crossWins, int& circleWins)
    {
        const bool versus = id == Window::VersusMachine;
        QWidget* window = game_.host.window(id);
        Seen& seen = seen_[versus ? 0 : 1];
        if (!window) {
            seen = Seen{};
            return;
        }
        const QString name = window->objectName();
        Board board;
        for (int i = 0; i < 9; ++i) {
            const QString caption = cell(window, i)->text();
            const std::optional<Mark> mark = markFromCaption(caption.toStdString());
            if (!mark)
                return fail(QStringLiteral("%1: cell %2 holds \"%3\"").arg(name).arg(i).arg(caption));
            board.set(i, *mark);
        }
        const int crosses = tally(window, "lblX"), circles = tally(window, "lblO");
        if (crosses < 0 || circles < 0)
            return fail(name + QStringLiteral(": the tallies read \"%1\" and \"%2\"")
                                   .arg(labelText(window, "lblX"), labelText(window, "lblO")));
        if (versus && timer1()->isActive() != game_.program.versus()->timerEnabled())
            fail(name + QStringLiteral(": Timer1 runs while the screen has it disabled, or the other way round"));
        if (seen.window != window) {
            if (board.markCount() || crosses || circles)
                fail(name + QStringLiteral(": a freshly loaded window is not empty"));
        } else {
            checkMarks(name, seen.board, board, versus);
            const int moreX = crosses - seen.crosses, moreO = circles - seen.circles;
            if (moreX < 0 || moreO < 0 || moreX > crossWins || moreO > circleWins)
                fail(name + QStringLiteral(": the tallies went from %1/%2 to %3/%4 with %5/%6 win boxes")
                                .arg(seen.crosses).arg(seen.circles).arg(crosses).arg(circles)
                                .arg(crossWins).arg(circleWins));
            const std::optional<Win> win = findWin(board);
            if ((moreX || moreO) && (!win || win->winner != (moreX ? Mark::Cross : Mark::Circle)))
                fail(name + QStringLiteral(": a win counted without its line on the board"));
            crossWins -= moreX;
            circleWins -= moreO;
        }
        seen = Seen{window, board, crosses, circles};
    }

    // Between two checks a board gains one mark on an empty cell, or is
    // emptied by a new game, or stays as it was; a won board gains nothing;
    // the machine's crosses come from its turn, one a turn.
    void checkMarks(const QString& name, const Board& before, const Board& now, bool versus)
    {
        if (now.markCount() == 0)
            return;
        int added = -1;
        for (int i = 0; i < 9; ++i) {
            if (before.at(i) == now.at(i))
                continue;
            if (!before.isEmpty(i))
                return fail(name + QStringLiteral(": cell %1 went from \"%2\" to \"%3\" without a new game")
                                       .arg(i).arg(toQString(captionOf(before.at(i))), toQString(captionOf(now.at(i)))));
            if (added >= 0)
                return fail(name + QStringLiteral(": cells %1 and %2 marked in one event").arg(added).arg(i));
            added = i;
        }
        if (added < 0)
            return;
        if (findWin(before))
            fail(name + QStringLiteral(": a mark in cell %1 of a won board").arg(added));
        if (versus && now.at(added) == Mark::Cross) {
            if (turnDepth_ == 0)
                fail(name + QStringLiteral(": a cross outside the machine's turn"));
            else if (++crossesInTurn_ > 1)
                fail(name + QStringLiteral(": a second cross in one machine turn"));
        }
    }

    std::uint64_t seed_;
    std::mt19937_64 rng_;
    StormProgram game_;
    QObject context_; // receives the queued events; destroyed first, and they with it
    Seen seen_[2];
    QStringList recent_;
    QString failure_;
    int events_ = 0;
    int depth_ = 0;     // events in progress, one inside another during a machine turn
    int turnDepth_ = 0; // ticks in progress
    int crossesInTurn_ = 0;
};

QtMessageHandler previousHandler = nullptr;

// A click on a label or the background is one that no control takes, and Qt
// Test says so every time; the offscreen platform says it cannot raise a
// window each time one is shown. A storm makes thousands of both.
void quietAboutTheStorm(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.endsWith(QLatin1String("not accepted by receiving widget"))
        && message != QLatin1String("This plugin does not support raise()"))
        previousHandler(type, context, message);
}

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback)
{
    bool ok = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class StormWidgetTests final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        previousHandler = qInstallMessageHandler(quietAboutTheStorm);
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void stormOfUserEvents();
};

void StormWidgetTests::stormOfUserEvents()
{
    const std::uint64_t base = environmentNumber("CRUCIRCO_STORM_SEED", 20240612);
    const std::uint64_t sequences = environmentNumber("CRUCIRCO_STORM_SEQUENCES", 12);
    int events = 0;
    for (std::uint64_t i = 0; i < sequences; ++i) {
        Storm storm(base + i);
        const QString failure = storm.run(kStepsPerSequence);
        events += storm.events();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    qInfo("%d events in %llu sequences", events, static_cast<unsigned long long>(sequences));
}

QTEST_MAIN(StormWidgetTests)
#include "storm_widget_test.moc"
