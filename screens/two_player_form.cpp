#include "screens/two_player_form.h"

namespace crucirco {

void TwoPlayerForm::lbl_Click(int index)
{
    if (!active() || refusedAfterWin(fields.GameOver))
        return;
    const bool empty = lbl_.isEmpty(index);
    if (empty) {
        const bool circle = isTrue(fields.CircleTurn);
        placeMark(index, circle ? Mark::Circle : Mark::Cross);
        fields.CircleTurn = toFlag(!circle);
    } else {
        refuseMove(index);
    }
    // Checked after every click, whether or not it placed a mark; the click does nothing after it.
    static_cast<void>(announceOutcome(fields.GameOver, empty));
}

void TwoPlayerForm::cmdReiniciar_Click()
{
    if (!active())
        return;
    fields.GameOver = kFalse;
    clearBoard();
}

} // namespace crucirco
