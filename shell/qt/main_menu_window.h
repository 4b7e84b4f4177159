#pragma once

#include <QWidget>

#include "forms/qt/form_window.h"
#include "shell/main_menu_form.h"

namespace crucirco {

// frmMain's window: the welcome, the logo and three buttons.
class MainMenuWindow final : public FormWindow<QWidget>
{
public:
    using FormType = MainMenuForm;

    MainMenuWindow(MainMenuForm& menu, Navigator& navigator, HandlerGate& gate);

private:
    MainMenuForm& menu_;
};

} // namespace crucirco
