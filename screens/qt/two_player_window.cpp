#include "screens/qt/two_player_window.h"

#include <QPushButton>

namespace crucirco {

namespace {

constexpr GameWindowLayout kLayout{495, 360, 1800, 2055, {120, 3000, 4335, 375}, "Vs Máquina", "Salir"};

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
