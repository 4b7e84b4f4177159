#pragma once

#include "core/flags.h"
#include "screens/game_form.h"

namespace crucirco {

struct TwoPlayerFields
{
    Flag16 GameOver = kFalse;
    Flag16 CircleTurn = kFalse; // the next mark placed is "O"
};

// frmUnoVsUno: two people at one board, marks alternating from game to game.
class TwoPlayerForm final : public GameForm
{
public:
    static constexpr Window kWindow = Window::TwoPlayer;

    TwoPlayerForm(Navigator& navigator, const Reentry& reentry)
        : GameForm(kWindow, Window::VersusMachine, navigator, reentry)
    {
    }

    // Form-level fields: they outlive the window.
    TwoPlayerFields fields;

    void lbl_Click(int index) override;
    void cmdReiniciar_Click() override;
};

} // namespace crucirco
