#include "screens/qt/two_player_window.h"

#include <QPushButton>

namespace crucirco {

namespace {

constexpr TwipRect cell(int index)
{
    // 375 × 495, but cell 0 is 495 × 375 and cell 8 375 × 375.
    return boardCell(index, index == 0 ? 495 : 375, (index == 0 || index == 8) ? 375 : 495);
}

constexpr GameWindowLayout kLayout{
    {cell(0), cell(1), cell(2), cell(3), cell(4), cell(5), cell(6), cell(7), cell(8)},
    {{{480, 360, 480, 1560}, {0, 840, 840, 840}}},
    {120, 360, 255, 375},   // Label2
    {600, 360, 255, 375},   // Label3
    {120, 960, 255, 375},   // lblX
    {600, 960, 255, 375},   // lblO
    {3120, 360, 975, 495},  // cmdReiniciar
    {1800, 0, 2055, 255},   // Command1
    {120, 3000, 4335, 375}, // Label1
    "Vs Máquina",
    "Salir",
};

} // namespace

TwoPlayerWindow::TwoPlayerWindow(TwoPlayerScreen& screen, Navigator& navigator, HandlerGate& gate)
    : GameWindow(screen, navigator, gate, kLayout)
{
    setTabOrder(cmdReiniciar(), command1());
}

} // namespace crucirco
