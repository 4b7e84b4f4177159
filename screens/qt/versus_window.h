#pragma once

#include "screens/qt/game_window.h"
#include "screens/versus_form.h"

class QCheckBox;
class QRadioButton;
class QTimer;

namespace crucirco {

// frmVSMaquina's window: the game window plus the difficulty options, "Empieza
// el usuario" and the machine's move timer.
class VersusWindow final : public GameWindow
{
public:
    using FormType = VersusForm;

    static constexpr int kMoveDelayMs = 100;

    VersusWindow(VersusForm& screen, Navigator& navigator, HandlerGate& gate);

    void refresh() override;

private:
    // Shows the difficulty, "Empieza el usuario" and the timer as they stand.
    void showOwnControls();
    // The option button of a difficulty.
    QRadioButton*& option(Difficulty difficulty)
    {
        return options_[static_cast<std::size_t>(difficulty) - 1];
    }

    VersusForm& screen_;
    std::array<QRadioButton*, 4> options_{};
    QCheckBox* check1_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace crucirco
