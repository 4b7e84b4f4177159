#pragma once

#include <optional>

#include "core/board.h"

namespace crucirco {

struct Win
{
    Mark winner; // Mark::Cross or Mark::Circle
    int line; // index into kLines
};

// The first complete line in line order, the cross tested before the circle
// on every line. Looks only; announcing and counting the win is the screen's.
std::optional<Win> findWin(const Board& board);

} // namespace crucirco
