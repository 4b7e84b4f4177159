#include "shell/qt/qt_window_host.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "screens/qt/two_player_window.h"
#include "screens/qt/versus_window.h"
#include "shell/qt/about_window.h"
#include "shell/qt/main_menu_window.h"
#include "shell/qt/splash_window.h"

namespace crucirco {

namespace {

// Every form's window, in the order of the program's forms. A new window
// adds its class here, and its form to the program's list.
using Windows = WindowClasses<SplashWindow, MainMenuWindow, VersusWindow, TwoPlayerWindow, AboutWindow>;

// Centres the whole window on the screen, its frame and title bar included.
void centreOnScreen(QWidget* widget, const QMargins& frame)
{
    widget->adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect whole(QPoint(), widget->size().grownBy(frame));
    const QPoint corner = screen->availableGeometry().center() - whole.center();
    widget->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), widget->size()));
}

// The window manager tells a frame's size only once it has framed the
// window, by the time the window is first on the screen. A window is centred
// with the frame its kind had last, and centred again then if it differs.
class CentreWhenFramed final : public QObject
{
public:
    CentreWhenFramed(QWidget* widget, bool titleBar)
        : QObject(widget)
        , widget_(widget)
        , titleBar_(titleBar)
    {
        centreOnScreen(widget, lastFrame(titleBar));
        widget->windowHandle()->installEventFilter(this);
    }

private:
    static QMargins& lastFrame(bool titleBar)
    {
        static QMargins titled;
        static QMargins untitled;
        return titleBar ? titled : untitled;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The first expose event is the window coming on screen.
        if (event->type() != QEvent::Expose)
            return QObject::eventFilter(watched, event);
        const QMargins frame = static_cast<QWindow*>(watched)->frameMargins();
        if (std::exchange(lastFrame(titleBar_), frame) != frame)
            centreOnScreen(widget_, frame);
        deleteLater(); // and so stops watching
        return QObject::eventFilter(watched, event);
    }

    QWidget* widget_;
    bool titleBar_;
};

} // namespace

QtWindowHost::QtWindowHost(HandlerGate& gate)
    : gate_(gate)
{
    gate_.whenIdle = [this] { whenIdle(); };
}

QtWindowHost::~QtWindowHost()
{
    gate_.whenIdle = nullptr;
    for (QPointer<QWidget>& widget : windows_)
        delete widget.data();
    for (QPointer<QWidget>& widget : retired_)
        delete widget.data();
}

QWidget* QtWindowHost::window(Window window) const
{
    return windows_[indexOf(window)].data();
}

void QtWindowHost::windowLoaded(Form& form)
{
    QWidget* widget = Windows::build(form, *program_, gate_);
    const bool titleBar = rowOf(form.id()).titleBar;
    widget->winId();
    if (!titleBar)
        askForBorderWithoutTitle(widget);
    new CentreWhenFramed(widget, titleBar);
    windows_[indexOf(form.id())] = widget;
}

void QtWindowHost::windowShown(Window window)
{
    QWidget* widget = windows_[indexOf(window)];
    if (!widget)
        return;
    // A window out of the task bar, About, belongs to the window that showed it: the window system
    // keeps it over that window, and a Wayland compositor, where no window places itself, puts it
    // there.
    QWidget* raiser = HandlerGate::windowAtWork();
    if (!rowOf(window).inTaskBar && raiser && raiser != widget && raiser->isVisible())
        widget->windowHandle()->setTransientParent(raiser->windowHandle());
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void QtWindowHost::retire(QWidget* widget)
{
    if (!widget)
        return;
    for (QTimer* timer : widget->findChildren<QTimer*>())
        timer->stop();
    widget->hide();
    retired_.emplace_back(widget);
}

void QtWindowHost::windowUnloaded(Window window)
{
    retire(windows_[indexOf(window)]);
    windows_[indexOf(window)] = nullptr;
}

void QtWindowHost::lastWindowUnloaded()
{
    endWhenIdle_ = true;
}

void QtWindowHost::programEnded()
{
    // The windows go with the host, once the event loop has ended.
    for (QPointer<QWidget>& widget : windows_)
        retire(widget);
    QCoreApplication::exit(0);
}

void QtWindowHost::whenIdle()
{
    // Deleted from the event loop, once the event being handled is done with.
    for (QPointer<QWidget>& widget : retired_) {
        if (widget)
            widget->deleteLater();
    }
    retired_.clear();
    // Once the last window has gone, a handler may still have loaded another
    // before it returned, as the splash's timer loads the main menu.
    if (endWhenIdle_ && program_ && !program_->anyLoaded())
        QCoreApplication::exit(0);
}

} // namespace crucirco
