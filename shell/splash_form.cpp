#include "shell/splash_form.h"

#include "crucirco/version.h"

namespace crucirco {

void SplashForm::Form_Load()
{
    lblVersion_ = "Version " + std::to_string(version::kMajor) + "." + std::to_string(version::kMinor) + "."
                  + std::to_string(version::kPatch);
}

void SplashForm::Timer1_Timer()
{
    if (!active())
        return;
    navigator().unload(id());
    navigator().show(Window::MainMenu);
}

void SplashForm::Form_KeyPress()
{
    if (active())
        navigator().unload(id());
}

} // namespace crucirco
