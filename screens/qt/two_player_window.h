#pragma once

#include "screens/qt/game_window.h"
#include "screens/two_player_form.h"

namespace crucirco {

// frmUnoVsUno's window.
class TwoPlayerWindow final : public GameWindow
{
public:
    using FormType = TwoPlayerForm;

    TwoPlayerWindow(TwoPlayerForm& screen, Navigator& navigator, HandlerGate& gate);

private:
    QString turnInWords() const override;

    TwoPlayerForm& screen_;
};

} // namespace crucirco
