#pragma once

#include <string>
#include <string_view>

#include "core/board.h"

namespace crucirco {

// A board as text: its nine cells row by row, "X", "O" or "." for an empty
// cell; "|" may stand anywhere, between the rows most often, and is passed
// over. "XO.|...|..X" has a cross top left, a circle beside it and a cross
// bottom right.

// The board that `text` writes out. Anything but nine cells in that notation
// throws std::invalid_argument, saying "not a board: " and the text.
Board parseBoard(std::string_view text);

// The board's nine cells in that notation, rows joined by "|": "XO.|...|..X".
std::string boardText(const Board& board);

} // namespace crucirco
