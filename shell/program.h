#pragma once

#include <memory>

#include "forms/platform.h"
#include "screens/two_player_form.h"
#include "screens/versus_form.h"
#include "shell/about_form.h"
#include "shell/main_menu_form.h"
#include "shell/splash_form.h"

namespace crucirco {

// What puts the program's windows on the screen.
class WindowHost
{
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
class Program final : public Navigator
{
public:
    // Every window's form, in the order of the window table. A new window
    // adds its form here, and its window to the window host's list.
    using Forms = FormClasses<SplashForm, MainMenuForm, VersusForm, TwoPlayerForm, AboutForm>;

    struct Services
    {
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
    // Whether a window has been shown since the program started. The replay
    // tool is its user: a script's program is over once every window shown
    // has gone, and not before its first window.
    bool everShown() const { return everShown_; }

    // The window objects that exist so far (null before the first show).
    Form* existing(Window window) const { return forms_[indexOf(window)].get(); }
    template<class FormType>
    FormType* form() const
    {
        static_assert(Forms::holds<FormType>, "one of the program's forms");
        // Made from Forms, so the form at a window's row is that window's class.
        return static_cast<FormType*>(existing(FormType::kWindow));
    }

    const Services& services() const { return services_; }
    // The services in which other handlers may run, as every form is given them.
    const Reentry& reentry() const { return reentry_; }

private:
    Form& create(Window window);

    Services services_;
    Reentry reentry_;
    WindowHost& host_;
    std::array<std::unique_ptr<Form>, kWindows.size()> forms_;
    bool ending_ = false;
    bool everShown_ = false;
};

} // namespace crucirco
