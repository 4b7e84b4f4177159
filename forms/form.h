#pragma once

#include <cstdint>

#include "forms/platform.h"

namespace crucirco {

class FormView;

// What lets other handlers run before it returns, in which this form's
// window may be unloaded or the program end: the message boxes, and a pass
// of the event loop. A form reaches them only through Form::reenter.
struct Reentry
{
    MessageBoxes& boxes;
    EventLoop& events;
};

// What a handler learns on getting back from a call that let other handlers
// run: whether its window is still the one it started in (not gone, nor
// loaded afresh), and whether the program goes on. It cannot be dropped
// unread: the build makes that an error.
class [[nodiscard]] Resumed
{
public:
    Resumed(bool windowStayed, bool programEnding)
        : windowStayed_(windowStayed)
        , programEnding_(programEnding)
    {
    }
    bool windowStayed() const { return windowStayed_; }
    bool programEnding() const { return programEnding_; }
    // The handler may go on with its window: it stayed, and the program goes on.
    bool goOn() const { return windowStayed_ && !programEnding_; }

private:
    bool windowStayed_;
    bool programEnding_;
};

// A question's answer, and what became of the form while it was asked.
class [[nodiscard]] Answered : public Resumed
{
public:
    Answered(Answer answer, Resumed resumed)
        : Resumed(resumed)
        , answer_(answer)
    {
    }
    Answer answer() const { return answer_; }

private:
    Answer answer_;
};

// A window's behaviour: its handlers, its form-level fields and the state of
// its controls. The object lives for the whole run; its window comes and
// goes. Loading puts the controls back to their initial state and runs
// Form_Load; unloading drops the window while the form-level fields stay.
class Form
{
public:
    Form(Window id, Navigator& navigator, const Reentry& reentry)
        : id_(id)
        , navigator_(navigator)
        , reentry_(reentry)
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

    // Whether a handler may run: the window is there and the program goes on.
    bool active() const { return loaded_ && !navigator_.ending(); }
    // Runs a call that may let other handlers run, giving it the boxes and
    // the event loop, and tells what became of this form meanwhile.
    template<class Call>
    Resumed reenter(Call&& call)
    {
        const std::uint64_t serial = serial_;
        call(reentry_);
        return Resumed(loaded_ && serial_ == serial, navigator_.ending());
    }

    // Shows the form's state again in its window, if it has one.
    void refreshView();
    FormView* view() const { return view_; }
    Navigator& navigator() { return navigator_; }
    const Navigator& navigator() const { return navigator_; }

private:
    Window id_;
    Navigator& navigator_;
    Reentry reentry_;
    FormView* view_ = nullptr;
    bool loaded_ = false;
    // Changes with every load, so that a handler back from a call that let
    // others run can tell whether its window is still the one it started in.
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
