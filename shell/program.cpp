#include "shell/program.h"

namespace crucirco {

namespace {

using Maker = std::unique_ptr<Form> (*)(Program&);

// Makes a form from the program's services. A form that needs no more than
// the program, to go to other windows, and the boxes and event loop, takes
// just those; each of the others says below what it takes.
template<class FormType>
std::unique_ptr<Form> make(Program& program)
{
    return std::make_unique<FormType>(program, program.reentry());
}

template<>
std::unique_ptr<Form> make<VersusForm>(Program& program)
{
    const Program::Services& s = program.services();
    return std::make_unique<VersusForm>(VersusForm::Services{program, program.reentry(), s.random, s.clock});
}

template<>
std::unique_ptr<Form> make<AboutForm>(Program& program)
{
    const Program::Services& s = program.services();
    return std::make_unique<AboutForm>(program, program.reentry(), s.store, s.launcher);
}

template<class... Forms>
constexpr std::array<Maker, sizeof...(Forms)> makersOf(FormClasses<Forms...>)
{
    return {make<Forms>...};
}

// Each window's maker, at its row of the window table.
constexpr std::array<Maker, kWindows.size()> kMakers = makersOf(Program::Forms{});

} // namespace

Program::Program(const Services& services, WindowHost& host)
    : services_(services)
    , reentry_{services.boxes, services.events}
    , host_(host)
{
}

Program::~Program() = default;

Form& Program::create(Window window)
{
    std::unique_ptr<Form>& form = forms_[indexOf(window)];
    if (!form)
        form = kMakers[indexOf(window)](*this);
    return *form;
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
    for (const std::unique_ptr<Form>& form : forms_) {
        if (form && form->loaded())
            form->unload();
    }
    host_.programEnded();
}

bool Program::anyLoaded() const
{
    for (const std::unique_ptr<Form>& form : forms_) {
        if (form && form->loaded())
            return true;
    }
    return false;
}

} // namespace crucirco
