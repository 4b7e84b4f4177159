#pragma once

#include <string>

#include "forms/form.h"

namespace crucirco {

// frmSplash, the start form: name, maker and version for 1.5 seconds.
class SplashForm final : public Form
{
public:
    static constexpr Window kWindow = Window::Splash;
    static constexpr int kCloseAfterMs = 1500;

    SplashForm(Navigator& navigator, const Reentry& reentry)
        : Form(kWindow, navigator, reentry)
    {
    }

    const std::string& versionCaption() const { return lblVersion_; }

    void Timer1_Timer();
    void Form_KeyPress();

protected:
    void resetControls() override { lblVersion_ = "Version "; }
    void Form_Load() override;

private:
    std::string lblVersion_;
};

} // namespace crucirco
