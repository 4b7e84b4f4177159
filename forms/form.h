#pragma once

#include <cstdint>

#include "forms/platform.h"

namespace crucirco {

class FormView;

// A window's behaviour: its handlers, its form-level fields and the state of
// its controls. The object lives for the whole run; its window comes and
// goes. Loading puts the controls back to their initial state and runs
// Form_Load; unloading drops the window while the form-level fields stay.
class Form
{
public:
    Form(Window id, Navigator& navigator)
        : id_(id)
        , navigator_(navigator)
    {
    }
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Window id() const { return id_; }
    bool loaded() const { return loaded_; }

    // Called by the program, which keeps track of what is on screen.
    void load();
    void unload();

    // The window now showing this form, or none.
    void attachView(FormView* view) { view_ = view; }

protected:
    virtual void resetControls() = 0;
    virtual void Form_Load() {}

    // Changes with every load, so that code resuming after a nested event
    // loop can tell whether its window is still the one it started with.
    std::uint64_t loadSerial() const { return serial_; }
    bool stillLoaded(std::uint64_t serial) const { return loaded_ && serial_ == serial; }
    // Whether a handler may run: the window is there and the program goes on.
    bool active() const { return loaded_ && !navigator_.ending(); }

    // Shows the form's state again in its window, if it has one.
    void refreshView();
    FormView* view() const { return view_; }
    Navigator& navigator() { return navigator_; }
    const Navigator& navigator() const { return navigator_; }

private:
    Window id_;
    Navigator& navigator_;
    FormView* view_ = nullptr;
    bool loaded_ = false;
    std::uint64_t serial_ = 0;
};

// A window on screen showing a form: it lays out the controls, forwards the
// user's events to the form's handlers and shows the form's state again
// whenever the form asks.
class FormView
{
public:
    virtual ~FormView() = default;
    virtual void refresh() = 0;
};

} // namespace crucirco
