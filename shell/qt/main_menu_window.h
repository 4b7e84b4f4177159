#pragma once

#include <QWidget>

#include "forms/qt/form_window.h"
#include "shell/main_menu.h"

namespace crucirco {

// frmMain's window: the welcome, the logo and three buttons.
class MainMenuWindow final : public FormWindow<QWidget>
{
public:
    MainMenuWindow(MainMenu& menu, Navigator& navigator, HandlerGate& gate);

private:
    MainMenu& menu_;
};

} // namespace crucirco
