#include "screens/qt/two_player_window.h"

#include <QPushButton>

namespace crucirco {

namespace {

constexpr GameWindowLayout kLayout{495,          360,    {1800, 0, 2055, 255}, {120, 3000, 4335, 375},
                                   "Vs Máquina", "Salir"};

} // namespace

TwoPlayerWindow::TwoPlayerWindow(TwoPlayerForm& screen, Navigator& navigator, HandlerGate& gate)
    : GameWindow(screen, navigator, gate, kLayout)
{
    setTabOrder(cmdReiniciar(), command1());
}

} // namespace crucirco
