#pragma once

#include <optional>
#include <string_view>

#include "core/flags.h"
#include "core/outcome.h"
#include "core/tally.h"
#include "screens/texts.h"

namespace crucirco {

constexpr std::string_view winMessage(Mark winner)
{
    return winner == Mark::Circle ? texts::kCircleWins : texts::kCrossWins;
}

// Announces the first complete line, with the effects in the game's order:
// GameOver is True before the box opens, and the winner's tally is raised
// only once the box is closed. `announce(text)` shows the win box and
// returns whether the tally is still there to raise. The winner, on a win.
template<class Announce>
std::optional<Mark> announceOutcome(const Board& board, Flag16& gameOver, Tallies& tallies,
                                    Announce&& announce)
{
    const std::optional<Win> win = findWin(board);
    if (!win)
        return std::nullopt;
    gameOver = kTrue;
    if (announce(winMessage(win->winner)))
        tallies.addWin(win->winner);
    return win->winner;
}

} // namespace crucirco
