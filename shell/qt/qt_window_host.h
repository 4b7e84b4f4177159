#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "forms/qt/handler_gate.h"
#include "shell/program.h"

namespace crucirco {

// Puts the program's windows on the screen with Qt Widgets. A window being
// unloaded is hidden and its timers stopped at once; it is destroyed only
// when the outermost handler has returned, so no handler ever runs on in a
// destroyed window.
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
    void retire(QWidget* widget);
    void whenIdle();

    HandlerGate& gate_;
    Program* program_ = nullptr;
    std::array<QPointer<QWidget>, kWindows.size()> windows_;
    std::vector<QPointer<QWidget>> retired_;
    bool endWhenIdle_ = false;
};

} // namespace crucirco
