#include "shell/about_form.h"

#include "crucirco/version.h"

namespace crucirco {

void AboutForm::Form_Load()
{
    lblVersion_ = "Versión " + std::to_string(version::kMajor) + "." + std::to_string(version::kMinor);
}

void AboutForm::cmdOK_Click()
{
    if (active())
        navigator().unload(id());
}

void AboutForm::cmdSysInfo_Click()
{
    // Its box is the last thing the click does.
    if (active())
        static_cast<void>(
            reenter([this](Reentry& nested) { StartSysInfo(store_, launcher_, nested.boxes); }));
}

} // namespace crucirco
