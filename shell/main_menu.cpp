#include "shell/main_menu.h"

namespace crucirco {

void MainMenu::leaveFor(Window window)
{
    if (!active())
        return;
    navigator().unload(id());
    navigator().show(window);
}

void MainMenu::Command1_Click()
{
    if (active())
        navigator().unload(id());
}

} // namespace crucirco
