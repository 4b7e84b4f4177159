#pragma once

#include "screens/qt/game_window.h"
#include "screens/two_player_screen.h"

namespace crucirco {

// frmUnoVsUno's window.
class TwoPlayerWindow final : public GameWindow
{
public:
    TwoPlayerWindow(TwoPlayerScreen& screen, Navigator& navigator, HandlerGate& gate);
};

} // namespace crucirco
