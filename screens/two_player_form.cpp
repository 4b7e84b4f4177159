#include "screens/two_player_form.h"

namespace crucirco {

void TwoPlayerForm::lbl_Click(int index)
{
    if (!active() || refusedAfterWin(fields.GameOver))
        return;
    if (lbl_.isEmpty(index)) {
        const bool circle = isTrue(fields.CircleTurn);
        lbl_.set(index, circle ? Mark::Circle : Mark::Cross);
        fields.CircleTurn = toFlag(!circle);
    }
    // Checked after every click, whether or not it placed a mark.
    announceOutcome(fields.GameOver);
}

void TwoPlayerForm::cmdReiniciar_Click()
{
    if (!active())
        return;
    fields.GameOver = kFalse;
    lbl_.clear();
    refreshView();
}

} // namespace crucirco
