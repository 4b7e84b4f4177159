#include "shell/program.h"

#include <array>

namespace crucirco {

namespace {

constexpr std::array kAllWindows{Window::Splash, Window::MainMenu, Window::VersusMachine, Window::TwoPlayer,
                                 Window::About};

} // namespace

Program::Program(const Services& services, WindowHost& host)
    : services_(services)
    , host_(host)
{
}

Program::~Program() = default;

Form* Program::existing(Window window) const
{
    switch (window) {
    case Window::Splash:
        return splash_.get();
    case Window::MainMenu:
        return mainMenu_.get();
    case Window::VersusMachine:
        return versus_.get();
    case Window::TwoPlayer:
        return twoPlayer_.get();
    case Window::About:
        break;
    }
    return about_.get();
}

Form& Program::create(Window window)
{
    if (Form* form = existing(window))
        return *form;
    switch (window) {
    case Window::Splash:
        splash_ = std::make_unique<SplashScreen>(*this);
        return *splash_;
    case Window::MainMenu:
        mainMenu_ = std::make_unique<MainMenu>(*this);
        return *mainMenu_;
    case Window::VersusMachine:
        versus_ = std::make_unique<VersusScreen>(VersusScreen::Services{
            *this, services_.boxes, services_.random, services_.events, services_.clock});
        return *versus_;
    case Window::TwoPlayer:
        twoPlayer_ = std::make_unique<TwoPlayerScreen>(*this, services_.boxes);
        return *twoPlayer_;
    case Window::About:
        break;
    }
    about_ = std::make_unique<AboutDialog>(*this, services_.boxes, services_.store, services_.launcher);
    return *about_;
}

void Program::show(Window window)
{
    if (ending_)
        return;
    Form& form = create(window);
    if (!form.loaded()) {
        form.load();
        host_.windowLoaded(form);
    }
    everShown_ = true;
    host_.windowShown(window);
}

void Program::unload(Window window)
{
    Form* form = existing(window);
    if (ending_ || !form || !form->loaded())
        return;
    host_.windowUnloaded(window);
    form->unload();
    if (!anyLoaded())
        host_.lastWindowUnloaded();
}

void Program::endProgram()
{
    if (ending_)
        return;
    ending_ = true;
    for (Window window : kAllWindows) {
        if (Form* form = existing(window); form && form->loaded())
            form->unload();
    }
    host_.programEnded();
}

bool Program::anyLoaded() const
{
    for (Window window : kAllWindows) {
        if (const Form* form = existing(window); form && form->loaded())
            return true;
    }
    return false;
}

} // namespace crucirco
