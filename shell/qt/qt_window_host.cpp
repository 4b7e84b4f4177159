#include "shell/qt/qt_window_host.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>

#include "screens/qt/two_player_window.h"
#include "screens/qt/versus_window.h"
#include "shell/qt/about_window.h"
#include "shell/qt/main_menu_window.h"
#include "shell/qt/splash_window.h"

namespace crucirco {

namespace {

// Builds the window of a form and lets the form show itself through it.
template <class WindowType, class FormType>
QWidget* build(Form& form, Navigator& navigator, HandlerGate& gate)
{
    auto* window = new WindowType(static_cast<FormType&>(form), navigator, gate);
    form.attachView(window);
    return window;
}

using Builder = QWidget* (*)(Form&, Navigator&, HandlerGate&);

// Each window's class, in the order of the window table's rows.
constexpr std::array<Builder, kWindows.size()> kBuilders{
    build<SplashWindow, SplashScreen>,
    build<MainMenuWindow, MainMenu>,
    build<VersusWindow, VersusScreen>,
    build<TwoPlayerWindow, TwoPlayerScreen>,
    build<AboutWindow, AboutDialog>,
};

void centreOnScreen(QWidget* widget)
{
    if (widget->layout())
        widget->layout()->activate();
    widget->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        widget->move(screen->availableGeometry().center() - widget->rect().center());
}

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
    QWidget* widget = kBuilders[indexOf(form.id())](form, *program_, gate_);
    centreOnScreen(widget);
    windows_[indexOf(form.id())] = widget;
}

void QtWindowHost::windowShown(Window window)
{
    QWidget* widget = windows_[indexOf(window)];
    if (!widget)
        return;
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
    widget->setEnabled(false);
    widget->hide();
    retired_.emplace_back(widget);
}

void QtWindowHost::windowUnloaded(Window window)
{
    retire(windows_[indexOf(window)]);
    windows_[indexOf(window)] = nullptr;
    if (gate_.idle())
        whenIdle();
}

void QtWindowHost::lastWindowUnloaded()
{
    endWhenIdle_ = true;
    if (gate_.idle())
        whenIdle();
}

void QtWindowHost::programEnded()
{
    for (QPointer<QWidget>& widget : windows_) {
        retire(widget);
        widget = nullptr;
    }
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
    if (endWhenIdle_) {
        endWhenIdle_ = false;
        if (program_ && !program_->anyLoaded())
            QCoreApplication::exit(0);
    }
}

} // namespace crucirco
