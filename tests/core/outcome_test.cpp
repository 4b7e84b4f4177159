#include <gtest/gtest.h>

#include "core/lines.h"
#include "core/outcome.h"
#include "tests/core/board_text.h"

using namespace crucirco;

namespace {

// The winner's letter and the line's place in line order, "-" for no win.
std::string outcome(const Board& board)
{
    const auto win = findWin(board);
    return win ? (win->winner == Mark::Cross ? "X" : "O") + std::to_string(win->line) : "-";
}

} // namespace

TEST(FindWin, FirstCompleteLineInLineOrder)
{
    // Line order: rows 0-2 (0..2), columns 0-2 (3..5), diagonal 0-4-8 (6), 2-4-6 (7).
    const std::pair<const char*, const char*> cases[] = {
        {"... ... ...", "-"},
        {"XOX XOO OXX", "-"}, // full, no line: no draw either
        {"XXO OOX XOX", "-"},
        {"XXX ... ...", "X0"},
        {"..O .O. O..", "O7"},
        // One mark completing two lines: the first in line order.
        {".X. XXX .X.", "X1"},
        {"XXX X.. X..", "X0"},
        {"XX. OX. .XX", "X4"}, // column 1 before the diagonal
        {"XOX OXO XOX", "X6"},
        // A line of each kind: line order decides, not the kind of mark.
        {"OOO XXX ...", "O0"},
        {"X.O X.O X.O", "X3"},
        {"XXX ... OOO", "X0"},
    };
    for (auto [board, expected] : cases)
        EXPECT_EQ(outcome(boardFrom(board)), expected) << board;
}

// Every line filled with one mark, then with each of its cells in turn
// holding the other mark.
TEST(FindWin, ThreeOfAKindWinTwoAndOneDoNot)
{
    for (Mark mark : {Mark::Cross, Mark::Circle}) {
        const Mark other = mark == Mark::Cross ? Mark::Circle : Mark::Cross;
        for (int i = 0; i < 8; ++i) {
            for (int odd = -1; odd < 3; ++odd) {
                Board board;
                for (int pos = 0; pos < 3; ++pos)
                    board.set(kLines[static_cast<std::size_t>(i)].cells[static_cast<std::size_t>(pos)],
                              pos == odd ? other : mark);
                const std::string win = (mark == Mark::Cross ? "X" : "O") + std::to_string(i);
                EXPECT_EQ(outcome(board), odd == -1 ? win : "-") << textOf(board);
            }
        }
    }
}
