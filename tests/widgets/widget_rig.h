#pragma once

// What the widget tests share: the game with its real Qt windows, message
// boxes answered from a script, the controls found by their layout names,
// and a child process for the ways out of the program.

#include <QApplication>
#include <QEventLoop>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <functional>
#include <sstream>

#include "forms/qt/twips.h"
#include "shell/qt/desktop_program.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::widgets {

// The game on Qt windows whose boxes answer from a queue and are written,
// one line each, into a transcript.
struct ScriptedGame {
    std::ostringstream transcript;
    scripted::Boxes boxes{transcript};
    DesktopProgram desktop{boxes};

    Program& program() { return desktop.program(); }
    QWidget* window(Window window) { return desktop.host().window(window); }

    // The boxes shown since the last call, one line each.
    QStringList takeBoxes()
    {
        const QString text = QString::fromStdString(transcript.str());
        transcript.str({});
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

// Shows a window through the program and waits until it is on screen and
// active, as a window the user just opened is.
inline QWidget* showWindow(DesktopProgram& desktop, Window window)
{
    desktop.program().show(window);
    QWidget* widget = desktop.host().window(window);
    if (widget && !QTest::qWaitForWindowActive(widget))
        qWarning("window %s did not become active", qPrintable(widget->objectName()));
    return widget;
}

template <class Control = QWidget>
Control* control(const QObject* window, const QString& name)
{
    return window ? window->findChild<Control*>(name) : nullptr;
}

inline QLabel* cell(const QWidget* window, int index)
{
    return control<QLabel>(window, QStringLiteral("lbl%1").arg(index));
}

inline QString labelText(const QWidget* window, const char* name)
{
    const QLabel* label = control<QLabel>(window, QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// A real click, pressed and released in the middle of the control.
inline void click(QWidget* widget)
{
    if (widget)
        QTest::mouseClick(widget, Qt::LeftButton);
    else
        qWarning("click on a control that is not there");
}

inline void clickCell(QWidget* window, int index) { click(cell(window, index)); }

inline QString boardText(const QWidget* window)
{
    QString text;
    for (int i = 0; i < 9; ++i) {
        const QLabel* label = cell(window, i);
        text += label && !label->text().isEmpty() ? label->text() : QStringLiteral(".");
    }
    return text;
}

inline int countMarks(const QWidget* window, QChar mark) { return int(boardText(window).count(mark)); }

// The focusable controls of a window in the order Tab visits them, from `first`.
inline QStringList tabOrder(QWidget* first)
{
    QStringList names;
    if (!first)
        return names;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->window() == first->window()
            && widget->isVisibleTo(first->window()))
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return names;
}

// The face a font request really got. It must be the one the layout names
// or one of the stand-ins registered for it, never whatever came to hand.
inline bool resolvedAsRegistered(const QFont& font, QString* resolved)
{
    const QString family = QFontInfo(font).family();
    *resolved = family;
    return family.compare(font.family(), Qt::CaseInsensitive) == 0
        || QFont::substitutes(font.family()).contains(family, Qt::CaseInsensitive);
}

// Whether something has asked the application to leave its event loops.
// Once asked, every event loop started later, modal boxes' included, returns
// at once; the tests keep the program alive so that this never happens in
// their own process.
inline bool exitRequested()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(1); });
    return probe.exec() == -1;
}

// Runs `answer` on the next modal message box, from inside the box's own
// event loop, where a test body waiting outside cannot reach; `answer` must
// close the box. Any box after that one is noted and closed at once, so that
// a box too many fails the test instead of hanging it.
class ModalBoxWatcher final : public QObject {
public:
    explicit ModalBoxWatcher(std::function<void(QMessageBox&)> answer)
        : answer_(std::move(answer))
    {
        schedule();
    }

    bool answered() const { return answered_; }
    const QStringList& laterBoxes() const { return later_; }

private:
    // A fresh single shot for every poll: Qt does not fire a timer again
    // while its own handler runs, and `answer` may run a long time.
    void schedule()
    {
        QTimer::singleShot(10, this, [this] { poll(); });
    }

    void poll()
    {
        schedule();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->property("seenByWatcher").toBool())
            return;
        box->setProperty("seenByWatcher", true);
        if (!answeredOnce_) {
            answeredOnce_ = true;
            answer_(*box);
            answered_ = true;
        } else {
            later_ << box->text();
            box->done(QMessageBox::Cancel);
        }
    }

    std::function<void(QMessageBox&)> answer_;
    bool answeredOnce_ = false;
    bool answered_ = false;
    QStringList later_;
};

// The ways out of the program end the application's event loop, and once
// that has been asked no event loop runs again in the process. They are
// therefore played in a child process, the test executable run again with
// the scenario's name in this variable; the child plays it inside
// QApplication::exec(), as the game's main does, and reports on stdout.
inline constexpr char kEndScenarioVariable[] = "CRUCIRCO_END_SCENARIO";

inline constexpr char kReportBegin[] = "---- report";
inline constexpr char kReportEnd[] = "---- end of report";

struct ChildReport {
    bool finished = false;
    int exitCode = -1;
    QStringList lines; // everything the child wrote on stdout
};

inline ChildReport runEndScenario(const QString& testFunction, const QString& scenario)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kEndScenarioVariable), scenario);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {testFunction, QStringLiteral("-silent")});
    ChildReport report;
    report.finished = child.waitForFinished(60000);
    if (!report.finished) {
        child.kill();
        child.waitForFinished();
        return report;
    }
    report.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    // The child's test log surrounds the report; only the report is kept.
    const QStringList output = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    const qsizetype begin = output.indexOf(QLatin1String(kReportBegin));
    const qsizetype end = output.indexOf(QLatin1String(kReportEnd));
    if (begin >= 0 && end > begin)
        report.lines = output.mid(begin + 1, end - begin - 1);
    return report;
}

// The child's side: plays `scenario` once QApplication::exec() runs, with
// a watchdog that ends a scenario which never ends the program (exit code
// 99), then reports how exec() returned, which windows are still visible,
// and the boxes shown.
inline void playEndScenario(ScriptedGame& game, const std::function<void()>& scenario)
{
    QTimer::singleShot(0, scenario);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    const int code = QApplication::exec();
    QStringList visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            visible << widget->objectName();
    }
    QStringList hosted;
    for (Window window : {Window::Splash, Window::MainMenu, Window::VersusMachine, Window::TwoPlayer, Window::About}) {
        if (game.window(window))
            hosted << QString::fromLatin1(windowName(window).data(), qsizetype(windowName(window).size()));
    }
    std::printf("%s\n", kReportBegin);
    std::printf("exec %d\n", code);
    std::printf("visible %s\n", qPrintable(visible.join(QLatin1Char(' '))));
    std::printf("hosted %s\n", qPrintable(hosted.join(QLatin1Char(' '))));
    std::printf("ending %d\n", game.program().ending() ? 1 : 0);
    std::printf("main menu created %d\n", game.program().mainMenu() ? 1 : 0);
    for (const QString& line : game.takeBoxes())
        std::printf("%s\n", qPrintable(line));
    std::printf("%s\n", kReportEnd);
    std::fflush(stdout);
}

} // namespace crucirco::widgets
