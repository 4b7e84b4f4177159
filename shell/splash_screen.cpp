#include "shell/splash_screen.h"

#include "crucirco/version.h"

namespace crucirco {

void SplashScreen::Form_Load()
{
    lblVersion_ = "Version " + std::to_string(version::kMajor) + "." + std::to_string(version::kMinor) + "."
                  + std::to_string(version::kPatch);
}

void SplashScreen::Timer1_Timer()
{
    if (!active())
        return;
    navigator().unload(id());
    navigator().show(Window::MainMenu);
}

void SplashScreen::Form_KeyPress()
{
    if (active())
        navigator().unload(id());
}

} // namespace crucirco
