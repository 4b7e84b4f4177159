#include "screens/platform.h"

namespace crucirco {

std::string_view windowName(Window window)
{
    switch (window) {
    case Window::Splash:
        return "frmSplash";
    case Window::MainMenu:
        return "frmMain";
    case Window::VersusMachine:
        return "frmVSMaquina";
    case Window::TwoPlayer:
        return "frmUnoVsUno";
    case Window::About:
        break;
    }
    return "frmAbout";
}

} // namespace crucirco
