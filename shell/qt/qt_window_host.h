#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <type_traits>
#include <vector>

#include "forms/qt/handler_gate.h"
#include "shell/program.h"

namespace crucirco {

// The classes of the program's windows, each naming the form it shows as
// FormType, listed in the order of the program's forms. Builds the window of
// any form by its row of the window table; a list that pairs a form with
// another form's window does not compile.
template<class... Windows>
class WindowClasses
{
    static_assert(std::is_same_v<FormClasses<typename Windows::FormType...>, Program::Forms>,
                  "one window a form, in the order of the program's forms");

public:
    // Builds the window of a form and lets the form show itself through it.
    static QWidget* build(Form& form, Navigator& navigator, HandlerGate& gate)
    {
        return kBuilders[indexOf(form.id())](form, navigator, gate);
    }

private:
    using Builder = QWidget* (*)(Form&, Navigator&, HandlerGate&);

    template<class WindowType>
    static QWidget* buildOne(Form& form, Navigator& navigator, HandlerGate& gate)
    {
        auto* window = new WindowType(static_cast<typename WindowType::FormType&>(form), navigator, gate);
        form.attachView(window);
        return window;
    }

    static constexpr std::array<Builder, sizeof...(Windows)> kBuilders{buildOne<Windows>...};
};

// Puts the program's windows on the screen with Qt Widgets. A window being
// unloaded is hidden and its timers stopped at once; it is destroyed only
// when the outermost handler has returned, so no handler ever runs on in a
// destroyed window. The host alone ends the event loop: with the program's
// last window, once the handler at work is done, or at once on "Salir". A
// window leaves by being hidden, and refuses the close from its title bar,
// so Qt's own rule of quitting with the last closed window never applies.
class QtWindowHost final : public QObject, public WindowHost
{
    Q_OBJECT
public:
    explicit QtWindowHost(HandlerGate& gate);
    ~QtWindowHost() override;

    // The program whose windows this host shows; set once, before the first show.
    void bind(Program& program) { program_ = &program; }

    // The window now on screen for a form, if any (for tests and tools).
    QWidget* window(Window window) const;

    void windowLoaded(Form& form) override;
    void windowShown(Window window) override;
    void windowUnloaded(Window window) override;
    void lastWindowUnloaded() override;
    void programEnded() override;

private:
    // Takes a window off the screen, its timers stopped, to be deleted once
    // no handler is running.
    void retire(QWidget* widget);
    void whenIdle();

    HandlerGate& gate_;
    Program* program_ = nullptr;
    std::array<QPointer<QWidget>, kWindows.size()> windows_;
    std::vector<QPointer<QWidget>> retired_;
    bool endWhenIdle_ = false;
};

} // namespace crucirco
