#pragma once

#include "core/flags.h"
#include "screens/game_screen.h"

namespace crucirco {

struct TwoPlayerFields
{
    Flag16 GameOver = kFalse;
    Flag16 CircleTurn = kFalse; // the next mark placed is "O"
};

// frmUnoVsUno: two people at one board, marks alternating from game to game.
class TwoPlayerScreen final : public GameScreen
{
public:
    TwoPlayerScreen(Navigator& navigator, MessageBoxes& boxes)
        : GameScreen(Window::TwoPlayer, Window::VersusMachine, navigator, boxes)
    {
    }

    // Form-level fields: they outlive the window.
    TwoPlayerFields fields;

    void lbl_Click(int index) override;
    void cmdReiniciar_Click() override;
};

} // namespace crucirco
