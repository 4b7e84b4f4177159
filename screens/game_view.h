#pragma once

#include "core/board.h"
#include "forms/form.h"

namespace crucirco {

// The window of a game screen as the screen sees it: told each change as it
// happens, in the order it happens, so that the window draws just that and
// can say it to a screen reader. refresh() draws the whole state again,
// saying nothing, when the screen has no single change to tell.
class GameView : public FormView
{
public:
    virtual void markPlaced(int cell, Mark mark) = 0;
    // Every cell emptied by "Jugar de nuevo", even cells already empty.
    virtual void boardCleared() = 0;
    // The winner's tally went up by one, once the win box was closed.
    virtual void tallyRaised(Mark winner) = 0;
    // A cell already taken was played while the game goes on; nothing changed.
    virtual void moveRefused(int cell, Mark occupant) = 0;
    // The last empty cell was taken and no line is complete; the game stays
    // as it is until "Jugar de nuevo".
    virtual void boardFilled() = 0;
};

} // namespace crucirco
