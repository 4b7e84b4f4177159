#include "forms/form.h"

namespace crucirco {

void Form::load()
{
    loaded_ = true;
    ++serial_;
    resetControls();
    Form_Load();
}

void Form::refreshView()
{
    if (view_)
        view_->refresh();
}

void Form::unload()
{
    view_ = nullptr;
    loaded_ = false;
}

} // namespace crucirco
