#pragma once

#include "forms/form.h"

namespace crucirco {

// frmMain: the way to either game, and out.
class MainMenuForm final : public Form
{
public:
    static constexpr Window kWindow = Window::MainMenu;

    MainMenuForm(Navigator& navigator, const Reentry& reentry)
        : Form(kWindow, navigator, reentry)
    {
    }

    void cmdVsMaquina_Click() { leaveFor(Window::VersusMachine); }
    void cmdUnoUno_Click() { leaveFor(Window::TwoPlayer); }
    void Command1_Click();

protected:
    void resetControls() override {}

private:
    void leaveFor(Window window);
};

} // namespace crucirco
