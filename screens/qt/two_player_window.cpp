#include "screens/qt/two_player_window.h"

#include <QPushButton>

namespace crucirco {

namespace {

constexpr GameWindowLayout kLayout{
    .cell0Width = 495,
    .tallyTop = 360,
    .command1Left = 1800,
    .command1Width = 2055,
    .label1 = {.left = 120, .top = 3000, .width = 4335, .height = 375},
    .command1Caption = "Vs Máquina",
    .exitCaption = "Salir",
};

} // namespace

TwoPlayerWindow::TwoPlayerWindow(TwoPlayerForm& screen, Navigator& navigator, HandlerGate& gate)
    : GameWindow(screen, navigator, gate, kLayout)
    , screen_(screen)
{
}

QString TwoPlayerWindow::turnInWords() const
{
    return isTrue(screen_.fields.CircleTurn) ? QStringLiteral("Turno del círculo")
                                             : QStringLiteral("Turno de la cruz");
}

} // namespace crucirco
