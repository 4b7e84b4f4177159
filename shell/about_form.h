#pragma once

#include <string>

#include "forms/form.h"
#include "shell/system_info.h"

namespace crucirco {

// frmAbout: title, version, thanks, and a way to the system information viewer.
class AboutForm final : public Form
{
public:
    static constexpr Window kWindow = Window::About;

    AboutForm(Navigator& navigator, const Reentry& reentry, ConfigStore& store, ProcessLauncher& launcher)
        : Form(kWindow, navigator, reentry)
        , store_(store)
        , launcher_(launcher)
    {
    }

    const std::string& versionCaption() const { return lblVersion_; }

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void resetControls() override { lblVersion_ = "Versión auto displayed"; }
    void Form_Load() override;

private:
    ConfigStore& store_;
    ProcessLauncher& launcher_;
    std::string lblVersion_;
};

} // namespace crucirco
