#include "shell/about_dialog.h"

#include "crucirco/version.h"

namespace crucirco {

void AboutDialog::Form_Load()
{
    lblVersion_ = "Versión " + std::to_string(version::kMajor) + "." + std::to_string(version::kMinor);
}

void AboutDialog::cmdOK_Click()
{
    if (active())
        navigator().unload(id());
}

void AboutDialog::cmdSysInfo_Click()
{
    if (active())
        StartSysInfo(store_, launcher_, boxes_);
}

} // namespace crucirco
