#include "shell/main_menu_form.h"

namespace crucirco {

void MainMenuForm::leaveFor(Window window)
{
    if (!active())
        return;
    navigator().unload(id());
    navigator().show(window);
}

void MainMenuForm::Command1_Click()
{
    if (active())
        navigator().unload(id());
}

} // namespace crucirco
