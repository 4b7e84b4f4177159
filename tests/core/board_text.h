#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "core/board.h"

// Boards written row by row, 'X', 'O' or '.' per cell, spaces skipped: "XO. .X. ..O".
inline crucirco::Board boardFrom(std::string_view text)
{
    using crucirco::Mark;
    crucirco::Board board;
    int cell = 0;
    for (char c : text) {
        if (c != ' ')
            board.set(cell++, c == 'X' ? Mark::Cross : c == 'O' ? Mark::Circle : Mark::Empty);
    }
    return board;
}

inline std::string textOf(const crucirco::Board& board)
{
    std::string text;
    for (int cell = 0; cell < crucirco::kCellCount; ++cell) {
        if (cell == 3 || cell == 6)
            text += ' ';
        text += ".XO"[static_cast<int>(board.at(cell))];
    }
    return text;
}

namespace crucirco {
inline void PrintTo(const Board& board, std::ostream* out) { *out << textOf(board); }
} // namespace crucirco
