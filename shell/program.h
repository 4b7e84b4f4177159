#pragma once

#include <memory>

#include "screens/platform.h"
#include "screens/two_player_screen.h"
#include "screens/versus_screen.h"
#include "shell/about_dialog.h"
#include "shell/main_menu.h"
#include "shell/splash_screen.h"

namespace crucirco {

// What puts the program's windows on the screen.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // A form has just been loaded: build its window.
    virtual void windowLoaded(Form& form) = 0;
    // Show the form's window, modeless.
    virtual void windowShown(Window window) = 0;
    // The form is being unloaded: destroy its window.
    virtual void windowUnloaded(Window window) = 0;
    // No window is left: the program ends once the handler at work has
    // returned, unless it shows a window first.
    virtual void lastWindowUnloaded() = 0;
    // End at once: every window is gone already; stop everything.
    virtual void programEnded() = 0;
};

// The whole program: its five windows, each object created when first shown
// and kept to the end, and the rule that the program ends with its last
// window or at once on request.
class Program final : public Navigator {
public:
    struct Services {
        MessageBoxes& boxes;
        EventLoop& events;
        const Clock& clock;
        RandomSource& random;
        ConfigStore& store;
        ProcessLauncher& launcher;
    };
    Program(const Services& services, WindowHost& host);
    ~Program() override;

    void start() { show(Window::Splash); }

    void show(Window window) override;
    void unload(Window window) override;
    void endProgram() override;
    bool ending() const override { return ending_; }

    bool anyLoaded() const;
    // Whether a window has been shown since the program started.
    bool everShown() const { return everShown_; }

    // The window objects that exist so far (null before the first show).
    SplashScreen* splash() const { return splash_.get(); }
    MainMenu* mainMenu() const { return mainMenu_.get(); }
    VersusScreen* versus() const { return versus_.get(); }
    TwoPlayerScreen* twoPlayer() const { return twoPlayer_.get(); }
    AboutDialog* about() const { return about_.get(); }
    Form* existing(Window window) const;

private:
    Form& create(Window window);

    Services services_;
    WindowHost& host_;
    std::unique_ptr<SplashScreen> splash_;
    std::unique_ptr<MainMenu> mainMenu_;
    std::unique_ptr<VersusScreen> versus_;
    std::unique_ptr<TwoPlayerScreen> twoPlayer_;
    std::unique_ptr<AboutDialog> about_;
    bool ending_ = false;
    bool everShown_ = false;
};

} // namespace crucirco
