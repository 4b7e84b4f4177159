#pragma once

#include <QWidget>

#include "screens/qt/handler_gate.h"
#include "shell/main_menu.h"

namespace crucirco {

// frmMain's window: the welcome, the logo and three buttons.
class MainMenuWindow final : public QWidget, public FormView {
    Q_OBJECT
public:
    MainMenuWindow(MainMenu& menu, Navigator& navigator, HandlerGate& gate);
    void refresh() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainMenu& menu_;
    Navigator& navigator_;
    HandlerGate& gate_;
};

} // namespace crucirco
