#pragma once

#include <QWidget>

#include "screens/qt/handler_gate.h"
#include "shell/splash_screen.h"

class QLabel;

namespace crucirco {

// frmSplash's window: purple, without title bar, the product on a dark green frame.
class SplashWindow final : public QWidget, public FormView {
    Q_OBJECT
public:
    SplashWindow(SplashScreen& splash, HandlerGate& gate);
    void refresh() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SplashScreen& splash_;
    HandlerGate& gate_;
    QLabel* lblVersion_ = nullptr;
};

} // namespace crucirco
