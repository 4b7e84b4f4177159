#include "shell/program.h"

namespace crucirco {

namespace {

using Maker = std::unique_ptr<Form> (*)(Program&);

template<class FormType>
std::unique_ptr<Form> make(Program& program)
{
    const Program::Services& s = program.services();
    if constexpr (std::is_same_v<FormType, VersusForm>)
        return std::make_unique<VersusForm>(
            VersusForm::Services{program, s.boxes, s.random, s.events, s.clock});
    else if constexpr (std::is_same_v<FormType, TwoPlayerForm>)
        return std::make_unique<TwoPlayerForm>(program, s.boxes);
    else if constexpr (std::is_same_v<FormType, AboutForm>)
        return std::make_unique<AboutForm>(program, s.boxes, s.store, s.launcher);
    else
        return std::make_unique<FormType>(program);
}

// Each window's form, in the order of the window table's rows.
constexpr std::array<Maker, kWindows.size()> kMakers{
    make<SplashForm>, make<MainMenuForm>, make<VersusForm>, make<TwoPlayerForm>, make<AboutForm>,
};

} // namespace

Program::Program(const Services& services, WindowHost& host)
    : services_(services)
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
