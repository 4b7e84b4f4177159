#pragma once

#include <QWidget>

#include "forms/qt/form_window.h"
#include "shell/splash_form.h"

class QLabel;

namespace crucirco {

// frmSplash's window: purple, without title bar, the product on a dark green frame.
class SplashWindow final : public FormWindow<QWidget>
{
public:
    using FormType = SplashForm;

    SplashWindow(SplashForm& splash, Navigator& navigator, HandlerGate& gate);
    void refresh() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SplashForm& splash_;
    QLabel* lblVersion_ = nullptr;
};

} // namespace crucirco
