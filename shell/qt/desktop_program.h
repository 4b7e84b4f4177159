#pragma once

#include <memory>

#include "forms/qt/handler_gate.h"
#include "forms/qt/qt_platform.h"
#include "opponent/random_source.h"
#include "shell/program.h"
#include "shell/qt/qt_launcher.h"
#include "shell/qt/qt_window_host.h"

class QApplication;

namespace crucirco {

// Names the application, loads Qt's Spanish texts (so that the boxes'
// buttons read "Aceptar" and "Cancelar") and the fonts' stand-ins.
void prepareApplication(QApplication& app);

// The program on the desktop: its windows on Qt Widgets, with the real
// clock, chance and configuration store. Message boxes come from outside,
// so that tests can answer them.
class DesktopProgram
{
public:
    explicit DesktopProgram(MessageBoxes& boxes);

    Program& program() { return program_; }
    QtWindowHost& host() { return host_; }

private:
    HandlerGate gate_;
    QtEventLoop events_;
    QtClock clock_;
    SeededRandom random_;
    std::unique_ptr<ConfigStore> store_;
    QtProcessLauncher launcher_;
    QtWindowHost host_;
    Program program_;
};

} // namespace crucirco
